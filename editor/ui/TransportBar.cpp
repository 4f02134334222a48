#include "TransportBar.h"

#include "DeferredIconEngine.h"
#include "EditorSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pause and Stop sit 40 and 70 px right of Play's left edge, so Play is
// 40 px wide and the others 30.
constexpr int PlayWidth = 40;
constexpr int ButtonWidth = 30;
constexpr int ButtonHeight = 28;
constexpr int VolumeWidth = 75;

} // namespace

TransportBar::TransportBar(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(ButtonHeight + 4);
    // The desktop theme's icons, else the ones Qt's style carries, looked up
    // when first drawn.
    struct Face
    {
        const char *themeIcon;
        QStyle::StandardPixmap fallback;
        QString hint;
    };
    const Face faces[] = {{"media-skip-backward", QStyle::SP_MediaSkipBackward, u"First"_s},
        {"media-seek-backward", QStyle::SP_MediaSeekBackward, u"Pre"_s},
        {"media-playback-start", QStyle::SP_MediaPlay, u"Play"_s},
        {"media-playback-pause", QStyle::SP_MediaPause, u"Pause"_s},
        {"media-playback-stop", QStyle::SP_MediaStop, u"Stop"_s},
        {"media-seek-forward", QStyle::SP_MediaSeekForward, u"Next"_s},
        {"media-skip-forward", QStyle::SP_MediaSkipForward, u"Last"_s}};
    for (int i = First; i <= Last; ++i) {
        auto *b = new QToolButton(this);
        b->setIcon(themeIcon(faces[i].themeIcon, faces[i].fallback));
        b->setToolTip(faces[i].hint);
        b->setAccessibleName(faces[i].hint);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, i] { Q_EMIT pressed(Button(i)); });
        b->setFixedSize(i == Play ? PlayWidth : ButtonWidth, ButtonHeight);
        m_buttons[i] = b;
    }
    // Play and Pause stay down while they hold.
    m_buttons[Play]->setCheckable(true);
    m_buttons[Pause]->setCheckable(true);
    m_buttons[Pause]->setEnabled(false);
    m_buttons[Stop]->setEnabled(false);
    m_repeat = new QCheckBox(u"Repeat"_s, this);
    m_repeat->hide();
    m_speaker = new QLabel(this);
    m_speaker->setFixedSize(16, 16);
    QTimer::singleShot(0, m_speaker, [speaker = m_speaker] {
        speaker->setPixmap(themeIcon("audio-volume-high", QStyle::SP_MediaVolume).pixmap(16, 16));
    });
    m_speaker->setToolTip(u"Volume"_s);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setRange(0, EditorSettings::SliderMaximum);
    m_volume->setToolTip(u"Volume"_s);
    m_volume->setFixedWidth(VolumeWidth);
    connect(m_volume, &QSlider::valueChanged, this, [this] { Q_EMIT volumeChanged(volume()); });
}

QIcon TransportBar::themeIcon(const char *name, QStyle::StandardPixmap fallback)
{
    return DeferredIconEngine::fromTheme(QString::fromLatin1(name),
        [fallback] { return QApplication::style()->standardIcon(fallback); });
}

QSize TransportBar::sizeHint() const
{
    return {9 * ButtonWidth + PlayWidth + 2 * VolumeWidth, ButtonHeight + 4};
}

void TransportBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const auto place
        = [this](QWidget *widget, int x) { widget->move(x, (height() - widget->height()) / 2); };
    const int play = (w - PlayWidth) / 2;
    place(m_buttons[First], play - 2 * ButtonWidth);
    place(m_buttons[Previous], play - ButtonWidth);
    place(m_buttons[Play], play);
    place(m_buttons[Pause], play + 40);
    place(m_buttons[Stop], play + 70);
    place(m_buttons[Next], play + 70 + ButtonWidth);
    place(m_buttons[Last], play + 70 + 2 * ButtonWidth);
    m_repeat->resize(m_repeat->sizeHint());
    place(m_repeat, 4);
    place(m_speaker, w - 90);
    m_volume->resize(VolumeWidth, m_volume->sizeHint().height());
    place(m_volume, w - 75);
}

int TransportBar::volume() const
{
    return EditorSettings::volumeFromSlider(m_volume->value());
}

void TransportBar::setVolume(int volume)
{
    m_volume->setValue(EditorSettings::sliderFromVolume(volume));
}
