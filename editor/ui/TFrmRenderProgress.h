#pragma once

#include "CommandPrompts.h"

#include <atomic>

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QThread;

// The video export's progress window: "Frame 120 of 600", the time left and
// a bar, with Cancel. The video is rendered on a worker thread, so the
// window stays responsive; Cancel stops it between two frames and no file
// is left behind.
class TFrmRenderProgress final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmRenderProgress)

public:
    explicit TFrmRenderProgress(const RenderJob &job, QWidget *parent = nullptr);
    ~TFrmRenderProgress() override;

    // Renders, showing the window until the rendering has ended.
    int exec() override;
    const VideoRenderer::Outcome &outcome() const { return m_outcome; }
    // Cancel asks the renderer to stop; the window closes when it has.
    void reject() override;

private:
    void progressed(qint64 done, qint64 total);

    const RenderJob &m_job;
    QLabel *m_frames;
    QLabel *m_left;
    QProgressBar *m_bar;
    QThread *m_thread = nullptr;
    std::atomic_bool m_cancel = false;
    // The latest frame count the worker reported, read by the window.
    std::atomic<qint64> m_done = 0;
    QElapsedTimer m_clock;
    VideoRenderer::Outcome m_outcome;
};
