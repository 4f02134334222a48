#pragma once

#include <QStyle>
#include <QWidget>

class QCheckBox;
class QLabel;
class QSlider;
class QToolButton;

// The bar under the preview: the transport buttons, the Repeat box and the
// volume slider. It only reports presses; the window decides what they do.
// Play sits in the middle with Pause 40 px and Stop 70 px right of its left
// edge, First and Pre to its left, Next and Last after Stop; the speaker
// 90 px and the slider 75 px from the right end.
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

protected:
    void resizeEvent(QResizeEvent *event) override;
    QSize sizeHint() const override;

private:
    static QIcon themeIcon(const char *name, QStyle::StandardPixmap fallback);

    QToolButton *m_buttons[Last + 1] = {};
    QCheckBox *m_repeat = nullptr;
    QLabel *m_speaker = nullptr;
    QSlider *m_volume = nullptr;
};
