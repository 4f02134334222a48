#include "VoxImgDll.h"

#include "HandOverJob.h"
#include "HandOverWindow.h"
#include "PhotoFit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include <atomic>
#include <cstdio>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

// "mk:@MSITStore:<folder>Help\<book>.chm::/<page>" is the page <folder>Help/<page>.
QString helpPage(const QString &folder, const QString &topic)
{
    const qsizetype cut = topic.indexOf(u"::/"_s);
    return folder + u"Help/"_s + (cut < 0 ? QString() : topic.mid(cut + 3));
}

QApplication *widgetApplication()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance());
}

void tell(QWidget *parent, const QString &text)
{
    if (widgetApplication())
        QMessageBox::warning(parent, u"Photos"_s, text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void report(QWidget *parent, const QStringList &failures)
{
    tell(parent, u"These photos could not be put on the player:\n\n"_s + failures.join(u'\n'));
}

} // namespace

extern "C" int32_t ResizeImages(const char *jobText, const char *folder, const char *settingsKey,
    const char *helpTopic, uintptr_t window, int32_t)
{
    if (!jobText)
        return 0;
    const HandOverJob job = HandOverJob::parse(QString::fromUtf8(jobText));
    if (job.photoFolder.isEmpty())
        return 0;
    QWidget *parent = widgetApplication() ? QWidget::find(WId(window)) : nullptr;
    if (!QDir().mkpath(job.photoFolder)) {
        report(parent, {job.photoFolder + u": the folder could not be made"_s});
        return 0;
    }
    const QSize screen = HandOverJob::screenSize(QString::fromUtf8(settingsKey ? settingsKey : ""));
    const int total = int(job.photos.size());
    std::vector<QString> reasons(static_cast<size_t>(total));
    std::atomic_int next = 0;
    std::atomic_int done = 0;
    std::atomic_bool cancel = false;
    const auto work = [&] {
        for (int i = next++; i < total && !cancel; i = next++) {
            const QString &photo = job.photos[i];
            reasons[size_t(i)] = PhotoFit::fitPhoto(
                photo, job.photoFolder + u'/' + QFileInfo(photo).fileName(), screen);
            ++done;
        }
    };
    std::vector<std::thread> workers;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    for (int k = 0; k < std::min(cores, total); ++k)
        workers.emplace_back(work);
    if (widgetApplication() && total > 0) {
        HandOverWindow progress(parent, job.playerName,
            helpPage(QString::fromUtf8(folder ? folder : ""),
                QString::fromUtf8(helpTopic ? helpTopic : "")));
        progress.show();
        while (done < total && !progress.cancelled()) {
            progress.setProgress(done, total);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        cancel = progress.cancelled();
    }
    for (std::thread &worker : workers)
        worker.join();
    QStringList failures;
    for (int i = 0; i < total; ++i) {
        if (!reasons[size_t(i)].isEmpty())
            failures.append(job.photos[i] + u": "_s + reasons[size_t(i)]);
    }
    if (!failures.isEmpty())
        report(parent, failures);
    if (cancel)
        tell(parent,
            u"The export was cancelled: "_s + QString::number(done) + u" of "_s
                + QString::number(total)
                + u" photos had reached the player, and no album file was written."_s);
    return failures.isEmpty() && !cancel && done == total ? 1 : 0;
}
