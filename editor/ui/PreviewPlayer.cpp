#include "PreviewPlayer.h"

#include "MediaFramework.h"
#include "PreviewPicture.h"
#include "TImageSlide.h"
#include "Thumbnails.h"
#include "VideoView.h"

#include <QLabel>

using namespace Qt::Literals::StringLiterals;

PreviewPlayer::PreviewPlayer(const AlbumDocument &album, UserPrompts &prompts, PlaybackRules rules,
    const QColor &background, QWidget *parent)
    : QStackedWidget(parent)
    , m_clock([this](PlaybackClock::Timer timer) { m_engine.timerFired(timer); })
    , m_engine(album, {m_video, m_sound, m_back}, m_clock, prompts, rules)
    , m_still(new QLabel(this))
    , m_slidePage(new QWidget(this))
    , m_slide(new TImageSlide(m_slidePage))
    , m_videoView(new VideoView(background, this))
{
    m_still->setAlignment(Qt::AlignCenter);
    // A palette rather than a style sheet: the sheet's style costs the
    // window's first showing milliseconds.
    for (QWidget *page : {static_cast<QWidget *>(m_still), m_slidePage}) {
        QPalette colours = page->palette();
        colours.setColor(QPalette::Window, background);
        page->setPalette(colours);
        page->setAutoFillBackground(true);
    }
    m_slide->setColor(background);
    // The sink comes with the first video: making it starts the media
    // framework.
    m_video.setVideoOutput([this]() -> QObject * {
        MediaFramework *framework = MediaFramework::instance();
        if (!framework)
            return nullptr;
        return framework->makeVideoSink(
            m_videoView, [view = m_videoView](const QImage &frame) { view->showFrame(frame); });
    });
    addWidget(m_still);
    addWidget(m_slidePage);
    addWidget(m_videoView);
    connect(&m_engine, &PlaybackEngine::pictureRequested, this, &PreviewPlayer::showPicture);
    connect(&m_engine, &PlaybackEngine::videoShown, this, [this] {
        m_slide->Stop();
        m_pictureFile.clear();
        // The last clip's last picture is not the next one's first.
        m_videoView->clear();
        setCurrentWidget(m_videoView);
    });
    connect(&m_engine, &PlaybackEngine::stateChanged, this, [this](PlaybackEngine::State state) {
        if (state == PlaybackEngine::State::Stopped) {
            m_slide->Stop();
            m_pictureFile.clear();
            m_videoView->clear();
            setCurrentWidget(m_still);
        } else if (currentWidget() == m_still) {
            m_slide->Clear();
            setCurrentWidget(m_slidePage);
        }
    });
}

void PreviewPlayer::showStill(const QImage &picture)
{
    if (picture.isNull()) {
        m_still->clear();
        return;
    }
    const QRect fitted = PreviewPicture::fit(picture.size(), pictureArea());
    m_still->setPixmap(QPixmap::fromImage(
        picture.scaled(fitted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

QImage PreviewPlayer::fittedPicture(const QString &file) const
{
    const QImage picture = decodePhotoCovering(file, pictureArea());
    if (picture.isNull())
        return {};
    const QRect fitted = PreviewPicture::fit(picture.size(), pictureArea());
    return picture.scaled(fitted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PreviewPlayer::showPicture(const QString &file, int style)
{
    const QImage picture = fittedPicture(file);
    if (picture.isNull())
        return;
    m_pictureFile = file;
    m_slide->Stop();
    m_slide->setStyle(style);
    m_slide->setPicture(picture);
    m_slide->setGeometry(PreviewPicture::fit(picture.size(), pictureArea()));
    setCurrentWidget(m_slidePage);
    m_slide->Execute();
}

void PreviewPlayer::resizeEvent(QResizeEvent *event)
{
    QStackedWidget::resizeEvent(event);
    refitPicture();
}

void PreviewPlayer::refitPicture()
{
    if (m_pictureFile.isEmpty())
        return;
    const QImage picture = fittedPicture(m_pictureFile);
    if (picture.isNull() || picture.size() == m_slide->shown().size())
        return;
    // Whatever transition ran is over: the picture it went to shows whole.
    m_slide->Stop();
    m_slide->setPicture(picture);
    m_slide->Stop();
    m_slide->setGeometry(PreviewPicture::fit(picture.size(), pictureArea()));
}
