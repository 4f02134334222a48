#include "TImageSlide.h"

#include "TransitionFrames.h"

#include <QPainter>

TImageSlide::TImageSlide(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(40);
    connect(&m_timer, &QTimer::timeout, this, &TImageSlide::nextFrame);
}

void TImageSlide::setPicture(const QImage &picture)
{
    m_next = picture.convertToFormat(QImage::Format_RGB32);
}

void TImageSlide::Execute()
{
    if (running() || m_next.isNull())
        return;
    // The picture shown so far is brought to the new one's size.
    if (m_shown.size() != m_next.size()) {
        if (m_shown.isNull()) {
            m_shown = QImage(m_next.size(), QImage::Format_RGB32);
            m_shown.fill(m_color);
        } else {
            m_shown
                = m_shown.scaled(m_next.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    m_steps = TransitionFrames::progressSteps(m_step);
    m_frames = 0;
    m_frame = m_shown;
    m_timer.start();
    update();
}

void TImageSlide::nextFrame()
{
    const int progress = m_steps.value(m_frames++, 100);
    if (progress >= 100) {
        Stop();
        return;
    }
    m_frame = TransitionFrames::frame(m_style, m_shown, m_next, progress);
    update();
}

void TImageSlide::Stop()
{
    m_timer.stop();
    if (!m_next.isNull()) {
        m_shown = m_next;
        m_frame = m_shown;
    }
    update();
}

void TImageSlide::Clear()
{
    m_timer.stop();
    for (QImage *picture : {&m_shown, &m_frame}) {
        if (!picture->isNull())
            picture->fill(m_color);
    }
    m_next = QImage();
    update();
}

void TImageSlide::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    if (m_frame.isNull())
        return;
    painter.drawImage(
        QPoint((width() - m_frame.width()) / 2, (height() - m_frame.height()) / 2), m_frame);
}
