#include "SlideTransition.h"

#include "TransitionFrames.h"

void SlideTransition::setPicture(const QImage &picture)
{
    m_next = picture.convertToFormat(QImage::Format_RGB32);
}

bool SlideTransition::start()
{
    if (m_running || m_next.isNull())
        return false;
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
    m_running = true;
    return true;
}

bool SlideTransition::tick()
{
    if (!m_running)
        return false;
    const int progress = m_steps.value(m_frames++, 100);
    if (progress >= 100) {
        stop();
        return false;
    }
    m_frame = TransitionFrames::frame(m_style, m_shown, m_next, progress);
    return true;
}

void SlideTransition::stop()
{
    m_running = false;
    if (!m_next.isNull()) {
        m_shown = m_next;
        m_frame = m_shown;
    }
}

void SlideTransition::clear()
{
    m_running = false;
    for (QImage *picture : {&m_shown, &m_frame}) {
        if (!picture->isNull())
            picture->fill(m_color);
    }
    m_next = QImage();
}
