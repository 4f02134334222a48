#include "QtMultimediaFramework.h"

#include "QtMultimediaPlayer.h"

#include <QVideoWidget>

std::unique_ptr<MediaPlayerBackend> QtMultimediaFramework::makePlayer(
    QObject *videoOutput, Events events)
{
    return std::make_unique<QtMultimediaPlayer>(videoOutput, std::move(events));
}

QWidget *QtMultimediaFramework::makeVideoWidget(QWidget *parent)
{
    auto *video = new QVideoWidget(parent);
    video->setAspectRatioMode(Qt::KeepAspectRatio);
    return video;
}

extern "C" Q_DECL_EXPORT MediaFramework *quillan_media_framework()
{
    static QtMultimediaFramework framework;
    return &framework;
}
