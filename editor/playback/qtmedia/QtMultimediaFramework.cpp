#include "QtMultimediaFramework.h"

#include "QtMultimediaPlayer.h"

#include <QImage>
#include <QVideoFrame>
#include <QVideoSink>

std::unique_ptr<MediaPlayerBackend> QtMultimediaFramework::makePlayer(
    QObject *videoOutput, Events events)
{
    return std::make_unique<QtMultimediaPlayer>(videoOutput, std::move(events));
}

QObject *QtMultimediaFramework::makeVideoSink(
    QObject *parent, std::function<void(const QImage &)> show)
{
    auto *sink = new QVideoSink(parent);
    // Frames arrive on the player's threads; the sink's own thread converts
    // and shows them.
    QObject::connect(sink, &QVideoSink::videoFrameChanged, sink,
        [show = std::move(show)](const QVideoFrame &frame) { show(frame.toImage()); });
    return sink;
}

extern "C" Q_DECL_EXPORT MediaFramework *quillan_media_framework()
{
    static QtMultimediaFramework framework;
    return &framework;
}
