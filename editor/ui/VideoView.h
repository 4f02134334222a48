#pragma once

#include <QImage>
#include <QWidget>

// The video window: the player's latest picture, fitted into the window by
// the rule stills follow (shrunk to fit, never enlarged, centred) on the
// window's colour.
class VideoView final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VideoView)

public:
    explicit VideoView(const QColor &background, QWidget *parent = nullptr);

    void showFrame(const QImage &frame);
    // Nothing but the colour until the next picture.
    void clear() { showFrame({}); }
    const QImage &frame() const { return m_frame; }
    // Where the picture is drawn.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_frame;
    QColor m_background;
};
