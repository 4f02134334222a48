#include "TransportBar.h"

#include "EditorSettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

TransportBar::TransportBar(QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    const std::pair<QString, QString> buttons[]
        = {{u"|<"_s, u"First"_s}, {u"<<"_s, u"Pre"_s}, {u">"_s, u"Play"_s}, {u"||"_s, u"Pause"_s},
            {u"[]"_s, u"Stop"_s}, {u">>"_s, u"Next"_s}, {u">|"_s, u"Last"_s}};
    for (int i = First; i <= Last; ++i) {
        auto *b = new QToolButton(this);
        b->setText(buttons[i].first);
        b->setToolTip(buttons[i].second);
        b->setAccessibleName(buttons[i].second);
        connect(b, &QToolButton::clicked, this, [this, i] { Q_EMIT pressed(Button(i)); });
        m_buttons[i] = b;
        row->addWidget(b);
    }
    m_buttons[Pause]->setEnabled(false);
    m_buttons[Stop]->setEnabled(false);
    m_repeat = new QCheckBox(u"Repeat"_s, this);
    m_repeat->hide();
    row->addWidget(m_repeat);
    row->addStretch(1);
    auto *speaker = new QLabel(this);
    speaker->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
    speaker->setToolTip(u"Volume"_s);
    row->addWidget(speaker);
    m_volume = new QSlider(Qt::Horizontal, this);
    m_volume->setRange(0, EditorSettings::SliderMaximum);
    m_volume->setToolTip(u"Volume"_s);
    m_volume->setFixedWidth(75);
    row->addWidget(m_volume);
    connect(m_volume, &QSlider::valueChanged, this, [this] { Q_EMIT volumeChanged(volume()); });
}

int TransportBar::volume() const
{
    return EditorSettings::volumeFromSlider(m_volume->value());
}

void TransportBar::setVolume(int volume)
{
    m_volume->setValue(EditorSettings::sliderFromVolume(volume));
}
