#include "PreviewPlayer.h"

#include "MediaFramework.h"
#include "PreviewPicture.h"
#include "TImageSlide.h"
#include "Thumbnails.h"

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
    // The video window comes with the first video: making it starts the
    // media framework.
    m_video.setVideoOutput([this]() -> QObject * {
        MediaFramework *framework = MediaFramework::instance();
        if (!framework)
            return nullptr;
        m_videoWidget = framework->makeVideoWidget(this);
        addWidget(m_videoWidget);
        return m_videoWidget;
    });
    addWidget(m_still);
    addWidget(m_slidePage);
    connect(&m_engine, &PlaybackEngine::pictureRequested, this, &PreviewPlayer::showPicture);
    connect(&m_engine, &PlaybackEngine::videoShown, this, [this] {
        m_slide->Stop();
        if (m_videoWidget)
            setCurrentWidget(m_videoWidget);
    });
    connect(&m_engine, &PlaybackEngine::stateChanged, this, [this](PlaybackEngine::State state) {
        if (state == PlaybackEngine::State::Stopped) {
            m_slide->Stop();
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

void PreviewPlayer::showPicture(const QString &file, int style)
{
    const QImage picture = decodePhotoCovering(file, pictureArea());
    if (picture.isNull())
        return;
    const QRect fitted = PreviewPicture::fit(picture.size(), pictureArea());
    m_slide->Stop();
    m_slide->setStyle(style);
    m_slide->setPicture(
        picture.scaled(fitted.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_slide->setGeometry(fitted);
    setCurrentWidget(m_slidePage);
    m_slide->Execute();
}

void PreviewPlayer::resizeEvent(QResizeEvent *event)
{
    QStackedWidget::resizeEvent(event);
    placeSlide();
}

void PreviewPlayer::placeSlide()
{
    const QImage &shown = m_slide->shown();
    if (!shown.isNull())
        m_slide->setGeometry(PreviewPicture::fit(shown.size(), pictureArea()));
}
