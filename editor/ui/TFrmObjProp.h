#pragma once

#include <QDialog>

class CommandPrompts;
class ObjectDialogState;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// The object property dialog: a view of its working state. Every button
// calls the state's handler and shows the state again; the dialog keeps no
// album data of its own.
class TFrmObjProp final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmObjProp)

public:
    TFrmObjProp(ObjectDialogState &state, CommandPrompts &prompts, QWidget *parent = nullptr);

    QListWidget *entryList() const { return m_entries; }
    QSpinBox *durationBox() const { return m_duration; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void entriesClicked();
    QPushButton *button(const QString &caption, void (TFrmObjProp::*slot)());
    void add();
    void remove();
    void up();
    void down();
    void changeAudio();
    void deleteAudio();

    ObjectDialogState &m_state;
    CommandPrompts &m_prompts;
    QListWidget *m_entries;
    QLabel *m_preview;
    QLineEdit *m_path;
    QSpinBox *m_duration;
    QPushButton *m_add;
    QPushButton *m_delete;
    QPushButton *m_up;
    QPushButton *m_down;
    QLineEdit *m_audioName;
    QLineEdit *m_audioPath;
    QPushButton *m_change;
    QPushButton *m_deleteAudio;
    bool m_refreshing = false;
};
