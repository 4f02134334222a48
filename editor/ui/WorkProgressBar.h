#pragma once

#include <QWidget>

class QProgressBar;

// The status bar's bar for long work (adding many files), with Cancel. It
// shows only once the work has lasted half a second, so quick work does not
// flicker.
class WorkProgressBar final : public QWidget
{
    Q_OBJECT

public:
    static constexpr qint64 ShowAfterMs = 500;

    explicit WorkProgressBar(QWidget *parent = nullptr);

    // The work's progress, shown in `format` ("Adding %v of %m"); true
    // once Cancel was clicked.
    bool progress(const QString &format, qsizetype done, qsizetype total, qint64 elapsedMs);
    // The work has ended: the bar goes and Cancel is forgotten.
    void finish();

private:
    QProgressBar *m_bar;
    bool m_cancelled = false;
};
