#pragma once

#include "SlideTransition.h"

#include <QTimer>
#include <QWidget>

// The picture transition display: an assigned picture replaces the one
// shown through the style's frames, one frame every Delay ms on a timer.
class TImageSlide final : public QWidget
{
    Q_OBJECT

public:
    explicit TImageSlide(QWidget *parent = nullptr);

    void setStyle(int style) { m_transition.setStyle(style); }
    int style() const { return m_transition.style(); }
    void setStep(int step) { m_transition.setStep(step); }
    void setDelay(int ms) { m_timer.setInterval(ms); }
    void setColor(const QColor &color);
    // The next transition goes from the picture shown to this one.
    void setPicture(const QImage &picture) { m_transition.setPicture(picture); }
    // Runs the transition unless one runs or nothing is assigned.
    void Execute();
    // Ends a running transition: the new picture is shown whole.
    void Stop();
    // Shown and working picture filled with the colour.
    void Clear();
    bool running() const { return m_timer.isActive(); }
    const QImage &shown() const { return m_transition.frame(); }
    // Frames drawn by the transition running or run last.
    int frames() const { return m_transition.frames(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();

    QTimer m_timer;
    SlideTransition m_transition;
    QColor m_color = Qt::black;
};
