#pragma once

#include "PlaybackEngine.h"
#include "QtMediaGraph.h"
#include "QtPlaybackClock.h"

#include <QStackedWidget>

class AlbumDocument;
class QLabel;
class TImageSlide;
class UserPrompts;
class VideoView;

// The preview area and what plays in it: the still preview of the selected
// object while stopped, the transition display and the video window while
// playing, with the engine and its three graphs behind them. The rules
// decide whether it plays like the window's preview or like the slideshow.
class PreviewPlayer final : public QStackedWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PreviewPlayer)

public:
    PreviewPlayer(const AlbumDocument &album, UserPrompts &prompts, PlaybackRules rules,
        const QColor &background, QWidget *parent = nullptr);

    PlaybackEngine &engine() { return m_engine; }
    TImageSlide &slide() { return *m_slide; }
    VideoView &video() { return *m_videoView; }
    // A still picture, fitted and centred; null clears the area.
    void showStill(const QImage &picture);
    QSize pictureArea() const { return contentsRect().size(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showPicture(const QString &file, int style);
    QImage fittedPicture(const QString &file) const;
    // The picture on show made again for the area's new size, at once.
    void refitPicture();

    QtMediaGraph m_video;
    QtMediaGraph m_sound;
    QtMediaGraph m_back;
    QtPlaybackClock m_clock;
    PlaybackEngine m_engine;
    QLabel *m_still;
    QWidget *m_slidePage;
    TImageSlide *m_slide;
    VideoView *m_videoView;
    // The picture file on show while playing: a window that changes its
    // size (the slideshow going full screen) shows it again at the new one.
    QString m_pictureFile;
};
