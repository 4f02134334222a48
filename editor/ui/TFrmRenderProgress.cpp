#include "TFrmRenderProgress.h"

#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmRenderProgress::TFrmRenderProgress(const RenderJob &job, QWidget *parent)
    : QDialog(parent)
    , m_job(job)
    , m_frames(new QLabel(this))
    , m_left(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setWindowTitle(u"Export to Video"_s);
    auto *column = new QVBoxLayout(this);
    auto *name = new QLabel(QFileInfo(job.path).fileName(), this);
    name->setMinimumWidth(360);
    column->addWidget(name);
    column->addWidget(m_frames);
    column->addWidget(m_left);
    m_bar->setRange(0, 1000);
    column->addWidget(m_bar);
    auto *cancel = new QPushButton(u"Cancel"_s, this);
    connect(cancel, &QPushButton::clicked, this, &TFrmRenderProgress::reject);
    column->addWidget(cancel, 0, Qt::AlignCenter);
    progressed(0, VideoRenderer::frameCount(job.schedule.lengthMs, job.format.fps));
}

TFrmRenderProgress::~TFrmRenderProgress()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
        delete m_thread;
    }
}

void TFrmRenderProgress::progressed(qint64 done, qint64 total)
{
    m_frames->setText(u"Frame %1 of %2"_s.arg(done).arg(total));
    m_bar->setValue(total > 0 ? int(done * 1000 / total) : 0);
    if (done == 0 || !m_clock.isValid()) {
        m_left->setText(u"Time left: working it out"_s);
        return;
    }
    const qint64 seconds = m_clock.elapsed() * (total - done) / done / 1000;
    m_left->setText(u"Time left: %1:%2"_s.arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0')));
}

int TFrmRenderProgress::exec()
{
    const qint64 total = VideoRenderer::frameCount(m_job.schedule.lengthMs, m_job.format.fps);
    // The worker only counts; the window reads the count a few times a
    // second, so a fast render does not flood the event loop.
    auto *refresh = new QTimer(this);
    connect(refresh, &QTimer::timeout, this, [this, total] { progressed(m_done, total); });
    refresh->start(200);
    m_clock.start();
    m_thread = QThread::create([this] {
        m_outcome = VideoRenderer::render(
            m_job.schedule, m_job.format, m_job.path,
            [this](qint64 done, qint64) { m_done = done; }, m_cancel);
    });
    connect(m_thread, &QThread::finished, this, [this] { done(Accepted); });
    m_thread->start();
    const int result = QDialog::exec();
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    return result;
}

void TFrmRenderProgress::reject()
{
    if (!m_thread || m_thread->isFinished()) {
        QDialog::reject();
        return;
    }
    m_cancel = true;
    m_left->setText(u"Cancelling..."_s);
}
