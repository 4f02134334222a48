#pragma once

#include <functional>

#include <QDialog>

class QProgressBar;

// The update window: "Updating database" and "Wait for updating" over a bar
// that pulses while the work runs; it closes when the work has ended. The
// work keeps the event loop running, so the bar moves on this thread.
class TFrmViewProgress final : public QDialog
{
    Q_OBJECT

public:
    TFrmViewProgress(std::function<void()> work, QWidget *parent = nullptr);
    int exec() override;
    // The window closes when the work has ended, not before.
    void reject() override { }

private:
    std::function<void()> m_work;
    QProgressBar *m_bar;
};
