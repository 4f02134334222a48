#pragma once

#include "SlideshowSchedule.h"
#include "VideoEncoder.h"

#include <atomic>
#include <functional>

// Renders a slideshow schedule into a video file: the slideshow's frames at
// the format's rate and its sound mixed. The file is written beside its
// place under a hidden name and renamed when complete, so a failure or a
// Cancel leaves nothing behind and an existing file is replaced only by a
// whole one. Runs on any thread: it touches no album and no widget.
class VideoRenderer
{
public:
    enum class Result { Done, Cancelled, Failed };
    struct Outcome
    {
        Result result = Result::Failed;
        // Why it failed, naming the file where one is at fault.
        QString error;
    };
    // After each frame: frames done, frames in all.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // "mp4" for .mp4 and .m4v, "matroska" for .mkv, "webm" for .webm;
    // empty for any other name.
    static QString containerOf(const QString &path);
    // The frames of a schedule this long at fps.
    static qint64 frameCount(qint64 lengthMs, int fps);
    // A media file's length for the schedule (negative when it cannot play).
    static qint64 lengthOf(const QString &file);

    static Outcome render(const SlideshowSchedule &schedule, const VideoFormat &format,
        const QString &path, const Progress &progress, const std::atomic_bool &cancel);
};
