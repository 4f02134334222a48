#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The hand-over's own progress window: the player, the photo count, a bar,
// Help (the shipped guide's page) and Cancel. Escape and the window's close
// button cancel as Cancel does.
class HandOverWindow final : public QDialog
{
    Q_OBJECT

public:
    HandOverWindow(QWidget *parent, const QString &playerName, const QString &helpPage);
    void setProgress(int done, int total);
    bool cancelled() const { return m_cancelled; }

public Q_SLOTS:
    void reject() override;

private:
    QLabel *m_count;
    QProgressBar *m_bar;
    bool m_cancelled = false;
};
