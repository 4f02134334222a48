#pragma once

#include <QDialog>
#include <QTimer>

class AlbumDocument;
class PreviewPlayer;
class UserPrompts;

// The full-screen slideshow: borderless and black, its own graphs at full
// volume, members for whole seconds, the last picture kept until Escape.
// Space pauses and resumes; Escape stops everything and closes. The mouse
// pointer hides after two seconds without movement. The show starts once
// the window covers its screen, so the first picture is laid out for the
// full screen as the later ones are.
class TFrmSilder final : public QDialog
{
    Q_OBJECT

public:
    TFrmSilder(const AlbumDocument &album, UserPrompts &prompts, int startObject, int startMember,
        QWidget *parent = nullptr);
    PreviewPlayer &player() { return *m_player; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Any movement of the mouse over the window shows the pointer again.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void reject() override;

private:
    void start();
    bool coversScreen() const;

    PreviewPlayer *m_player;
    QTimer m_hidePointer;
    // A window manager that never makes the window full screen is waited
    // for this long.
    QTimer m_startAnyway;
    int m_startObject;
    int m_startMember;
    bool m_started = false;
};
