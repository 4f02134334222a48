#include "TfrmProgress.h"

#include "Texts.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TfrmProgress::TfrmProgress(std::vector<CopyJob> jobs, Ask ask, QWidget *parent)
    : QDialog(parent)
    , m_jobs(std::move(jobs))
    , m_ask(std::move(ask))
{
    setWindowTitle(u"Export"_s);
    auto *column = new QVBoxLayout(this);
    for (QLabel *&line : m_lines) {
        line = new QLabel(this);
        line->setAlignment(Qt::AlignCenter);
        line->setMinimumWidth(360);
        column->addWidget(line);
    }
    m_gauge = new QProgressBar(this);
    m_gauge->setRange(0, 100);
    column->addWidget(m_gauge);
    auto *cancel = new QPushButton(u"Cancel"_s, this);
    connect(cancel, &QPushButton::clicked, this, &TfrmProgress::reject);
    column->addWidget(cancel, 0, Qt::AlignCenter);
}

TfrmProgress::~TfrmProgress()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

void TfrmProgress::fileStarted(int number, int total, const QString &target)
{
    const QFileInfo info(target);
    m_lines[0]->setText(info.absolutePath());
    m_lines[1]->setText(info.fileName());
    m_lines[2]->setText(QString::number(number) + u" / "_s + QString::number(total)
        + QString::fromUtf16(Texts::CopyingFile));
    m_gauge->setValue(0);
}

int TfrmProgress::exec()
{
    CopyEngine::Callbacks callbacks;
    // The worker hands every event to the window's thread; only the
    // question waits for its answer.
    callbacks.fileStarted = [this](int number, int total, const QString &target) {
        QMetaObject::invokeMethod(
            this, [=, this] { fileStarted(number, total, target); }, Qt::QueuedConnection);
    };
    callbacks.progress = [this](int percent) {
        QMetaObject::invokeMethod(
            this, [=, this] { m_gauge->setValue(percent); }, Qt::QueuedConnection);
    };
    callbacks.ask = [this](const QString &target) {
        Overwrite answer = Overwrite::Cancel;
        QMetaObject::invokeMethod(
            this, [&] { answer = m_ask(target); }, Qt::BlockingQueuedConnection);
        return answer;
    };
    m_thread = QThread::create(
        [this, callbacks] { m_outcome = CopyEngine::run(m_jobs, callbacks, &m_cancel); });
    connect(m_thread, &QThread::finished, this, [this] {
        m_lines[2]->setText(QString::fromUtf16(Texts::CopyingCompleted));
        done(Accepted);
    });
    m_thread->start();
    const int result = QDialog::exec();
    m_thread->wait();
    delete std::exchange(m_thread, nullptr);
    return result;
}

void TfrmProgress::reject()
{
    if (!m_thread || m_thread->isFinished()) {
        QDialog::reject();
        return;
    }
    const auto answer = QMessageBox::question(this, QString::fromUtf16(Texts::CaptionConfirm),
        QString::fromUtf16(Texts::AbortQuestion), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes)
        m_cancel = true;
}
