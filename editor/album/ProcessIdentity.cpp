#include "ProcessIdentity.h"

#include <QRegularExpression>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#endif

namespace ProcessIdentity {

QString hostName()
{
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9.]"));
    return QSysInfo::machineHostName().replace(unsafe, QStringLiteral("_"));
}

bool runs(qint64 pid)
{
    if (pid <= 0)
        return false;
#if defined(Q_OS_UNIX)
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
#else
    return true;
#endif
}

} // namespace ProcessIdentity
