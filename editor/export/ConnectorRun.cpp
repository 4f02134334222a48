#include "ConnectorRun.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#if defined(Q_OS_UNIX)
#include <csignal>

#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace ConnectorRun {

QString program(const QString &programFolder)
{
    return programFolder + u"tethera"_s;
}

std::optional<Failure> run(const QString &programFolder, const QString &switchText, int timeLimitMs)
{
    const QString path = program(programFolder);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
#if defined(Q_OS_UNIX)
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
#endif
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
        return Failure{true, prefix + u" could not be started: "_s + process.errorString()};
    if (timedOut) {
#if defined(Q_OS_UNIX)
        if (process.processId() > 0)
            ::kill(-pid_t(process.processId()), SIGKILL);
#endif
        process.kill();
        process.waitForFinished(1000);
        return Failure{false,
            prefix + u" did not finish within "_s + QString::number(timeLimitMs / 1000)
                + u" seconds and was stopped."_s};
    }
    if (process.exitStatus() == QProcess::CrashExit)
        return Failure{false, prefix + u" stopped unexpectedly."_s};
    return std::nullopt;
}

} // namespace ConnectorRun
