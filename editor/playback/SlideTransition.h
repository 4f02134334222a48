#pragma once

#include <QColor>
#include <QImage>
#include <QList>

// The picture transition as the slideshow shows it, without a widget or a
// timer: an assigned picture replaces the one shown through the style's
// frames, one frame per tick, Step percent further each tick. The slideshow
// ticks it from a timer; the video renderer ticks it by the frame clock, so
// both show the same frames.
class SlideTransition
{
public:
    void setStyle(int style) { m_style = style; }
    int style() const { return m_style; }
    void setStep(int step) { m_step = std::clamp(step, 1, 100); }
    void setColor(const QColor &color) { m_color = color; }
    // The next transition goes from the picture shown to this one.
    void setPicture(const QImage &picture);
    // Starts the transition unless one runs or nothing is assigned; true
    // when it started.
    bool start();
    // One frame further; false once the new picture shows whole.
    bool tick();
    // Ends a running transition: the new picture is shown whole.
    void stop();
    // Shown and working picture filled with the colour.
    void clear();
    bool running() const { return m_running; }
    // What is to be seen now, at the size of the picture last assigned.
    const QImage &frame() const { return m_frame; }
    // Frames drawn by the transition running or run last.
    int frames() const { return m_frames; }

private:
    QImage m_shown;
    QImage m_next;
    QImage m_frame;
    QColor m_color = Qt::black;
    int m_style = 118;
    int m_step = 5;
    QList<int> m_steps;
    int m_frames = 0;
    bool m_running = false;
};
