#include "TFrmSilder.h"

#include "PreviewPlayer.h"
#include "TImageSlide.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

TFrmSilder::TFrmSilder(const AlbumDocument &album, UserPrompts &prompts, int startObject,
    int startMember, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint)
    , m_player(new PreviewPlayer(album, prompts, PlaybackRules::slideshow(), Qt::black, this))
    , m_startObject(startObject)
    , m_startMember(startMember)
{
    setStyleSheet(QStringLiteral("background: black;"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_player);
    m_player->slide().setStep(4);
    setMouseTracking(true);
    qApp->installEventFilter(this);
    m_hidePointer.setSingleShot(true);
    m_hidePointer.setInterval(2000);
    connect(&m_hidePointer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
    m_startAnyway.setSingleShot(true);
    m_startAnyway.setInterval(500);
    connect(&m_startAnyway, &QTimer::timeout, this, &TFrmSilder::start);
}

bool TFrmSilder::coversScreen() const
{
    return screen() && size() == screen()->size();
}

void TFrmSilder::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_hidePointer.start();
    if (coversScreen())
        start();
    else if (!m_started)
        m_startAnyway.start();
}

void TFrmSilder::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible() && coversScreen())
        start();
}

void TFrmSilder::start()
{
    m_startAnyway.stop();
    if (m_started)
        return;
    m_started = true;
    m_player->engine().play(m_startObject, m_startMember);
}

void TFrmSilder::keyPressEvent(QKeyEvent *event)
{
    PlaybackEngine &engine = m_player->engine();
    if (event->key() == Qt::Key_Space) {
        if (engine.state() == PlaybackEngine::State::Paused)
            engine.play(m_startObject);
        else
            engine.pause();
    } else if (event->key() == Qt::Key_Escape) {
        reject();
    }
}

bool TFrmSilder::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        unsetCursor();
        m_hidePointer.start();
    }
    return false;
}

void TFrmSilder::reject()
{
    // Closed before it started, it never starts.
    m_startAnyway.stop();
    m_started = true;
    m_player->engine().stop();
    QDialog::reject();
}
