#pragma once

#include "SlideTransition.h"
#include "SlideshowSchedule.h"

#include <memory>

#include <QHash>
#include <QImage>

class VideoReader;

// The pictures of a slideshow schedule at a video's frame times: photos
// fitted to the frame on black and changed through the slideshow's own
// transition frames (a tick every 40 ms, 4 % further each), videos fitted
// the same way. Each photo is decoded once and kept only while the
// schedule still shows it again.
class SlideshowFrames
{
public:
    // The slideshow's transition: 25 ticks of 40 ms.
    static constexpr int TickMs = 40;
    static constexpr int Step = 4;
    // Decoded photos kept for their next showing.
    static constexpr qsizetype KeptPictures = 4;

    SlideshowFrames(const SlideshowSchedule &schedule, QSize size);
    ~SlideshowFrames();
    Q_DISABLE_COPY_MOVE(SlideshowFrames)

    // Moves on to ms (never back); true when the picture changed.
    bool advanceTo(qint64 ms);
    // The frame at the time moved to, RGB32 at the size.
    const QImage &canvas() const { return m_canvas; }

private:
    void showPicture(const SlideshowSchedule::Picture &cue);
    QImage picture(const QString &file);
    void paint(const QImage &picture, QPoint at);

    const SlideshowSchedule &m_schedule;
    QSize m_size;
    QImage m_canvas;
    SlideTransition m_slide;
    qint64 m_nextTick = 0;
    qsizetype m_nextPicture = 0;
    qsizetype m_nextVideo = 0;
    // The video showing (its stretch), or -1 while the slides show.
    qsizetype m_video = -1;
    std::unique_ptr<VideoReader> m_reader;
    qint64 m_shownKey = 0;
    // Each file's coming cues (indexes into the schedule's pictures).
    QHash<QString, QList<qsizetype>> m_comingCues;
    QHash<QString, QImage> m_decoded;
};
