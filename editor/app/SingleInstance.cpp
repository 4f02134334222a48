#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::Literals::StringLiterals;

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_key(key)
    , m_lock(QDir::temp().filePath(key + u".lock"_s))
{
    m_lock.setStaleLockTime(0); // only a dead owner's lock is stale
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultKey()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return u"Quillan.exe-"_s + user;
}

bool SingleInstance::tryBecomePrimary()
{
    if (!m_lock.tryLock(0))
        return false;
    QLocalServer::removeServer(m_key); // a socket left by a crashed editor
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            Q_EMIT raiseRequested();
        }
    });
    // Without the socket this editor is still the only one; later starts
    // just cannot raise it.
    m_server->listen(m_key);
    return true;
}

bool SingleInstance::notifyPrimary() const
{
    QLocalSocket socket;
    socket.connectToServer(m_key);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write("raise\n");
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}
