#pragma once

#include <QColor>
#include <QImage>
#include <QTimer>
#include <QWidget>

// The picture transition display: an assigned picture replaces the one
// shown through the style's frames, one frame every Delay ms on a timer,
// Step percent further each frame.
class TImageSlide final : public QWidget
{
    Q_OBJECT

public:
    explicit TImageSlide(QWidget *parent = nullptr);

    void setStyle(int style) { m_style = style; }
    int style() const { return m_style; }
    void setStep(int step) { m_step = std::clamp(step, 1, 100); }
    void setDelay(int ms) { m_timer.setInterval(ms); }
    void setColor(const QColor &color) { m_color = color; }
    // The next transition goes from the picture shown to this one.
    void setPicture(const QImage &picture);
    // Runs the transition unless one runs or nothing is assigned.
    void Execute();
    // Ends a running transition: the new picture is shown whole.
    void Stop();
    // Shown and working picture filled with the colour.
    void Clear();
    bool running() const { return m_timer.isActive(); }
    const QImage &shown() const { return m_frame; }
    // Frames drawn by the transition running or run last.
    int frames() const { return m_frames; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();

    QTimer m_timer;
    QImage m_shown;
    QImage m_next;
    QImage m_frame;
    QColor m_color = Qt::black;
    int m_style = 118;
    int m_step = 5;
    QList<int> m_steps;
    int m_frames = 0;
};
