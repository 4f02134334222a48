#include "VideoView.h"

#include "PreviewPicture.h"

#include <QPainter>

VideoView::VideoView(const QColor &background, QWidget *parent)
    : QWidget(parent)
    , m_background(background)
{
    // Every pixel is painted here.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void VideoView::showFrame(const QImage &frame)
{
    m_frame = frame;
    update();
}

QRect VideoView::pictureRect() const
{
    return m_frame.isNull() ? QRect() : PreviewPicture::fit(m_frame.size(), size());
}

void VideoView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_frame.isNull())
        return;
    const QRect target = pictureRect();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != m_frame.size());
    painter.drawImage(target, m_frame);
}
