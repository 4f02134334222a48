#pragma once

#include "MediaFramework.h"

// The media framework over Qt Multimedia, the plug-in's one object.
class QtMultimediaFramework final : public MediaFramework
{
public:
    std::unique_ptr<MediaPlayerBackend> makePlayer(QObject *videoOutput, Events events) override;
    QObject *makeVideoSink(QObject *parent, std::function<void(const QImage &)> show) override;
};
