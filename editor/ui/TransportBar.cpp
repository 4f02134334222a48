#include "TransportBar.h"

#include "DeferredIconEngine.h"
#include "EditorSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

TransportBar::TransportBar(QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
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
        m_buttons[i] = b;
        row->addWidget(b);
    }
    // Play and Pause stay down while they hold.
    m_buttons[Play]->setCheckable(true);
    m_buttons[Pause]->setCheckable(true);
    m_buttons[Pause]->setEnabled(false);
    m_buttons[Stop]->setEnabled(false);
    m_repeat = new QCheckBox(u"Repeat"_s, this);
    m_repeat->hide();
    row->addWidget(m_repeat);
    row->addStretch(1);
    auto *speaker = new QLabel(this);
    speaker->setFixedSize(16, 16);
    QTimer::singleShot(0, speaker, [speaker] {
        speaker->setPixmap(themeIcon("audio-volume-high", QStyle::SP_MediaVolume).pixmap(16, 16));
    });
    speaker->setToolTip(u"Volume"_s);
    row->addWidget(speaker);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setRange(0, EditorSettings::SliderMaximum);
    m_volume->setToolTip(u"Volume"_s);
    m_volume->setFixedWidth(75);
    row->addWidget(m_volume);
    connect(m_volume, &QSlider::valueChanged, this, [this] { Q_EMIT volumeChanged(volume()); });
}

QIcon TransportBar::themeIcon(const char *name, QStyle::StandardPixmap fallback)
{
    return DeferredIconEngine::fromTheme(QString::fromLatin1(name),
        [fallback] { return QApplication::style()->standardIcon(fallback); });
}

int TransportBar::volume() const
{
    return EditorSettings::volumeFromSlider(m_volume->value());
}

void TransportBar::setVolume(int volume)
{
    m_volume->setValue(EditorSettings::sliderFromVolume(volume));
}
