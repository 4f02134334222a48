#pragma once

#include <QStyle>
#include <QWidget>

class QCheckBox;
class QSlider;
class QToolButton;

// The bar under the preview: the transport buttons, the Repeat box and the
// volume slider. It only reports presses; the window decides what they do.
class TransportBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TransportBar)

public:
    enum Button { First, Previous, Play, Pause, Stop, Next, Last };

    explicit TransportBar(QWidget *parent = nullptr);

    QToolButton *button(Button which) const { return m_buttons[which]; }
    QCheckBox *repeat() const { return m_repeat; }
    // The volume of the graphs, 10..10000, from the slider's position.
    int volume() const;
    // Shows a stored volume; volumes of 5000 and below show as position 1.
    void setVolume(int volume);

Q_SIGNALS:
    void pressed(TransportBar::Button which);
    void volumeChanged(int volume);

private:
    static QIcon themeIcon(const char *name, QStyle::StandardPixmap fallback);

    QToolButton *m_buttons[Last + 1] = {};
    QCheckBox *m_repeat = nullptr;
    QSlider *m_volume = nullptr;
};
