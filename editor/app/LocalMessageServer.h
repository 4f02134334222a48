#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class QLocalServer;

// A socket in the file system that other programs of the same user send
// one message each through: the sender connects, writes and hangs up, and
// the message arrives whole. On Unix it is a plain Unix-domain socket
// watched by the event loop, so the editor does not load Qt Network (and
// the Kerberos libraries it brings) at every start; elsewhere a
// QLocalServer.
class LocalMessageServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocalMessageServer)

public:
    explicit LocalMessageServer(QObject *parent = nullptr);
    ~LocalMessageServer() override;

    // Listens at `path` (a socket left there by a program that died is
    // replaced), readable and writable by the user alone. False when it
    // cannot.
    bool listen(const QString &path);

    // Sends one message to the server at `path`; false when none answers
    // within two seconds or the message cannot be written.
    static bool send(const QString &path, const QByteArray &message);

    // The most one message may hold; a longer one is dropped.
    static constexpr qsizetype MaximumMessage = 16 * 1024 * 1024;

Q_SIGNALS:
    void messageReceived(const QByteArray &message);

private:
#ifdef Q_OS_UNIX
    void acceptWaiting();
    void readFrom(int client);

    int m_socket = -1;
    QByteArray m_path;
    // What each connected sender has written so far, by its socket.
    QHash<int, QByteArray> m_incoming;
#else
    QLocalServer *m_server = nullptr;
#endif
};
