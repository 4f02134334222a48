#include "SingleInstance.h"

#include "LocalMessageServer.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

SingleInstance::SingleInstance(const QString &folder, const QString &name, QObject *parent)
    : QObject(parent)
    , m_socket(folder + u'/' + name + u".socket"_s)
    , m_lock(folder + u'/' + name + u".lock"_s)
{
    m_lock.setStaleLockTime(0); // only a dead owner's lock is stale
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::runtimeFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    const QString own
        = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/quillan"_s;
    QDir().mkpath(own);
    QFile::setPermissions(
        own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return own;
}

QString SingleInstance::defaultName()
{
#ifdef Q_OS_UNIX
    return u"Quillan.exe-"_s + QString::number(::getuid());
#else
    return u"Quillan.exe-"_s + qEnvironmentVariable("USERNAME");
#endif
}

bool SingleInstance::tryBecomePrimary()
{
    if (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError) {
        // A lock file that does not name its owner (cut short by a crash or a
        // full disk) would keep every later start out: it is taken over.
        qint64 pid = 0;
        QString host, program;
        if (m_lock.getLockInfo(&pid, &host, &program) || !m_lock.removeStaleLockFile()
            || (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError))
            return false;
    }
    // A lock that cannot be made (no folder, no room) leaves this editor
    // uncoordinated but running, rather than ending it as if another one ran.
    // A socket left by a crashed editor is replaced. Without the socket this
    // editor is still the only one; later starts just cannot reach it.
    m_server = new LocalMessageServer(this);
    connect(m_server, &LocalMessageServer::messageReceived, this, &SingleInstance::receive);
    m_server->listen(m_socket);
    return true;
}

void SingleInstance::receive(const QByteArray &message)
{
    QStringList arguments;
    // "raise", then one percent-encoded argument a line: a path may hold a
    // line break.
    const QList<QByteArray> lines = message.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines[i].isEmpty())
            arguments.append(QString::fromUtf8(QByteArray::fromPercentEncoding(lines[i])));
    }
    Q_EMIT raiseRequested();
    if (!arguments.isEmpty())
        Q_EMIT openRequested(arguments);
}

bool SingleInstance::notifyPrimary(const QStringList &arguments) const
{
    QByteArray message = "raise\n";
    for (const QString &argument : arguments)
        message += QFileInfo(argument).absoluteFilePath().toUtf8().toPercentEncoding() + '\n';
    return LocalMessageServer::send(m_socket, message);
}
