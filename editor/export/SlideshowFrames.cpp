#include "SlideshowFrames.h"

#include "PreviewPicture.h"
#include "Thumbnails.h"
#include "VideoReader.h"

#include <limits>

#include <QPainter>

SlideshowFrames::SlideshowFrames(const SlideshowSchedule &schedule, QSize size)
    : m_schedule(schedule)
    , m_size(size)
    , m_canvas(size, QImage::Format_RGB32)
{
    m_canvas.fill(Qt::black);
    m_slide.setStep(Step);
    m_slide.setColor(Qt::black);
    for (qsizetype i = 0; i < schedule.pictures.size(); ++i)
        m_comingCues[schedule.pictures[i].file].append(i);
}

SlideshowFrames::~SlideshowFrames() = default;

QImage SlideshowFrames::picture(const QString &file)
{
    QImage fitted = m_decoded.take(file);
    if (fitted.isNull()) {
        // Decoded as the slideshow decodes it for its screen, fitted the same way.
        const QImage photo = decodePhotoCovering(file, m_size);
        if (!photo.isNull()) {
            fitted = photo.scaled(PreviewPicture::fit(photo.size(), m_size).size(),
                Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
    }
    QList<qsizetype> &coming = m_comingCues[file];
    if (!coming.isEmpty())
        coming.removeFirst();
    if (coming.isEmpty() || fitted.isNull())
        return fitted;
    m_decoded.insert(file, fitted);
    if (m_decoded.size() > KeptPictures) {
        // The one needed again last goes.
        QString latest;
        for (auto it = m_decoded.cbegin(); it != m_decoded.cend(); ++it) {
            if (latest.isEmpty() || m_comingCues[it.key()].first() > m_comingCues[latest].first())
                latest = it.key();
        }
        m_decoded.remove(latest);
    }
    return fitted;
}

void SlideshowFrames::showPicture(const SlideshowSchedule::Picture &cue)
{
    const QImage fitted = picture(cue.file);
    if (fitted.isNull())
        return;
    m_slide.stop();
    m_slide.setStyle(cue.style);
    m_slide.setPicture(fitted);
    m_slide.start();
    m_nextTick = cue.atMs + TickMs;
    m_video = -1;
    m_reader.reset();
}

void SlideshowFrames::paint(const QImage &picture, QPoint at)
{
    m_canvas.fill(Qt::black);
    if (picture.isNull())
        return;
    QPainter painter(&m_canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(at, picture);
}

bool SlideshowFrames::advanceTo(qint64 ms)
{
    constexpr qint64 Never = std::numeric_limits<qint64>::max();
    const auto &pictures = m_schedule.pictures;
    const auto &videos = m_schedule.videos;
    bool changed = false;
    for (;;) {
        const qint64 tick = m_slide.running() ? m_nextTick : Never;
        const qint64 video = m_nextVideo < videos.size() ? videos[m_nextVideo].startMs : Never;
        const qint64 cue = m_nextPicture < pictures.size() ? pictures[m_nextPicture].atMs : Never;
        const qint64 first = std::min({tick, video, cue});
        if (first > ms)
            break;
        if (first == tick) {
            m_slide.tick();
            m_nextTick += TickMs;
            changed |= m_video < 0;
        } else if (first == video) {
            // As the slideshow does, the transition ends under the video.
            m_slide.stop();
            m_video = m_nextVideo++;
            m_reader = std::make_unique<VideoReader>(videos[m_video].file, m_size);
            changed = true;
        } else {
            showPicture(pictures[m_nextPicture++]);
            changed = true;
        }
    }
    if (m_video >= 0) {
        const auto &stretch = videos[m_video];
        const QImage &frame
            = m_reader->frameAt(std::min(ms, stretch.endMs) - stretch.startMs + stretch.offsetMs);
        changed |= frame.cacheKey() != m_shownKey;
        if (changed) {
            m_shownKey = frame.cacheKey();
            paint(frame, m_reader->placement().topLeft());
        }
    } else if (changed) {
        const QImage &frame = m_slide.frame();
        paint(frame,
            QPoint((m_size.width() - frame.width()) / 2, (m_size.height() - frame.height()) / 2));
    }
    return changed;
}
