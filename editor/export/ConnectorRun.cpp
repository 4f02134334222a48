#include "ConnectorRun.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace ConnectorRun {

QString program(const QString &programFolder)
{
    return programFolder + u"tethera"_s;
}

std::optional<QString> run(const QString &programFolder, const QString &switchText, int timeLimitMs)
{
    const QString path = program(programFolder);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    process.start(path, {switchText});
    limit.start(timeLimitMs);
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QString prefix = u"The device connector "_s + path;
    if (process.error() == QProcess::FailedToStart)
        return prefix + u" could not be started: "_s + process.errorString();
    if (timedOut) {
        process.kill();
        process.waitForFinished(1000);
        return prefix + u" did not finish within "_s + QString::number(timeLimitMs / 1000)
            + u" seconds and was stopped."_s;
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return prefix + u" stopped unexpectedly."_s;
    return std::nullopt;
}

} // namespace ConnectorRun
