#include "TImageSlide.h"

#include <QPainter>

TImageSlide::TImageSlide(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, &TImageSlide::nextFrame);
}

void TImageSlide::setColor(const QColor &color)
{
    m_color = color;
    m_transition.setColor(color);
}

void TImageSlide::Execute()
{
    if (!m_transition.start())
        return;
    m_timer.start();
    update();
}

void TImageSlide::nextFrame()
{
    if (!m_transition.tick())
        m_timer.stop();
    update();
}

void TImageSlide::Stop()
{
    m_timer.stop();
    m_transition.stop();
    update();
}

void TImageSlide::Clear()
{
    m_timer.stop();
    m_transition.clear();
    update();
}

void TImageSlide::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    const QImage &frame = m_transition.frame();
    if (frame.isNull())
        return;
    painter.drawImage(
        QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2), frame);
}
