#pragma once

#include "CopyEngine.h"

#include <atomic>
#include <functional>

#include <QDialog>

class QLabel;
class QProgressBar;
class QThread;

// The copy window of an export: the target's folder, its name and "3 / 7
// copying file." over a gauge, with Cancel. The files are copied on a
// worker thread, so the window stays responsive; the overwrite question is
// asked here, on the window's thread, while the worker waits for it.
class TfrmProgress final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmProgress)

public:
    using Ask = std::function<Overwrite(const QString &target)>;
    TfrmProgress(std::vector<CopyJob> jobs, Ask ask, QWidget *parent = nullptr);
    ~TfrmProgress() override;

    // Copies, showing the window until the copying has ended.
    int exec() override;
    const CopyOutcome &outcome() const { return m_outcome; }
    // Cancel, Escape or closing: "Abort processing?."; Yes stops the copying
    // within one block.
    void reject() override;

private:
    void fileStarted(int number, int total, const QString &target);

    std::vector<CopyJob> m_jobs;
    Ask m_ask;
    std::atomic_bool m_cancel = false;
    CopyOutcome m_outcome;
    QThread *m_thread = nullptr;
    QLabel *m_lines[3] = {};
    QProgressBar *m_gauge = nullptr;
};
