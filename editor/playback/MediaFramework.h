#pragma once

#include "MediaPlayerBackend.h"

#include <QString>

#include <functional>
#include <memory>

class QImage;
class QObject;

// The media framework the editor plays through (Qt Multimedia and the
// sound server and media libraries it starts), kept in a plug-in beside the
// program and loaded with the first file played: linking it would make every
// start load some thirty libraries it may never use.
class MediaFramework
{
public:
    struct Events
    {
        // The stream reached its end.
        std::function<void()> ended;
        // The framework could not play the file, with its reason.
        std::function<void(const QString &file, const QString &why)> failed;
    };

    virtual ~MediaFramework() = default;

    // A player sending its pictures to `videoOutput` (from makeVideoSink,
    // or null for sound alone).
    virtual std::unique_ptr<MediaPlayerBackend> makePlayer(QObject *videoOutput, Events events) = 0;
    // Where a player's pictures go: each one is handed to `show` on the
    // thread of `parent`, which owns the sink. The editor draws them itself,
    // so the window shown is the one that exists before any video plays and
    // a picture is fitted by the editor's own rule.
    virtual QObject *makeVideoSink(QObject *parent, std::function<void(const QImage &)> show) = 0;

    // Loads the plug-in on first use; null when it cannot be loaded (logged
    // with the reason, once).
    static MediaFramework *instance();
};

// The plug-in's one exported function, returning its framework.
extern "C" {
using MediaFrameworkEntry = MediaFramework *();
}
inline constexpr char MediaFrameworkEntryName[] = "quillan_media_framework";
