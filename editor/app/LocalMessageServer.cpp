#include "LocalMessageServer.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>
#else
#include <QLocalServer>
#include <QLocalSocket>
#endif

#ifdef Q_OS_UNIX

namespace {

// False when the path does not fit a socket address.
bool addressOf(const QByteArray &path, sockaddr_un &address)
{
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

} // namespace

LocalMessageServer::LocalMessageServer(QObject *parent)
    : QObject(parent)
{ }

LocalMessageServer::~LocalMessageServer()
{
    // The notifiers go with this object; the sockets are closed here.
    for (auto client = m_incoming.cbegin(); client != m_incoming.cend(); ++client)
        ::close(client.key());
    if (m_socket >= 0) {
        ::close(m_socket);
        ::unlink(m_path.constData());
    }
}

bool LocalMessageServer::listen(const QString &path)
{
    sockaddr_un address;
    const QByteArray encoded = QFile::encodeName(path);
    if (m_socket >= 0 || !addressOf(encoded, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    ::unlink(encoded.constData());
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::chmod(encoded.constData(), S_IRUSR | S_IWUSR) != 0 || ::listen(socket, 16) != 0) {
        ::close(socket);
        return false;
    }
    m_socket = socket;
    m_path = encoded;
    auto *waiting = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(waiting, &QSocketNotifier::activated, this, &LocalMessageServer::acceptWaiting);
    return true;
}

void LocalMessageServer::acceptWaiting()
{
    int client;
    while ((client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0)
        readFrom(client);
}

void LocalMessageServer::readFrom(int client)
{
    m_incoming.insert(client, {});
    auto *reader = new QSocketNotifier(client, QSocketNotifier::Read, this);
    // Reads what has come; the message is whole when the sender hangs up.
    connect(reader, &QSocketNotifier::activated, this, [this, reader, client] {
        QByteArray &message = m_incoming[client];
        char chunk[4096];
        ssize_t got;
        while ((got = ::read(client, chunk, sizeof chunk)) > 0 || (got < 0 && errno == EINTR)) {
            if (got > 0)
                message.append(chunk, got);
        }
        const bool ended = got == 0;
        if (!ended && errno == EAGAIN && message.size() <= MaximumMessage)
            return;
        const QByteArray whole = m_incoming.take(client);
        reader->setEnabled(false);
        reader->deleteLater();
        ::close(client);
        if (ended && whole.size() <= MaximumMessage)
            Q_EMIT messageReceived(whole);
    });
}

bool LocalMessageServer::send(const QString &path, const QByteArray &message)
{
    sockaddr_un address;
    if (!addressOf(QFile::encodeName(path), address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    // A server whose queue is full, or that reads slowly, makes connecting
    // and writing wait; two seconds at most each time.
    const timeval patience{2, 0};
    bool sent = ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience) == 0
        && ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    for (qsizetype done = 0; sent && done < message.size();) {
        const ssize_t written = ::send(
            socket, message.constData() + done, std::size_t(message.size() - done), MSG_NOSIGNAL);
        if (written > 0)
            done += written;
        else
            sent = written < 0 && errno == EINTR;
    }
    ::close(socket);
    return sent;
}

#else

LocalMessageServer::LocalMessageServer(QObject *parent)
    : QObject(parent)
{ }

LocalMessageServer::~LocalMessageServer() = default;

bool LocalMessageServer::listen(const QString &path)
{
    QLocalServer::removeServer(path);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                const QByteArray message = socket->readAll();
                socket->deleteLater();
                if (message.size() <= MaximumMessage)
                    Q_EMIT messageReceived(message);
            });
        }
    });
    return m_server->listen(path);
}

bool LocalMessageServer::send(const QString &path, const QByteArray &message)
{
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(2000))
        return false;
    socket.write(message);
    const bool written = socket.waitForBytesWritten(1000) || socket.bytesToWrite() == 0;
    socket.disconnectFromServer();
    return written;
}

#endif
