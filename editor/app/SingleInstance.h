#pragma once

#include <QLockFile>
#include <QObject>
#include <QStringList>

class LocalMessageServer;

// One editor per user: the first start holds a lock file and listens on a
// local socket, both in a folder only the user can write; a later start
// finds the lock, hands the first its arguments and ends. A lock left by a
// crashed editor is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // The lock and the socket are `name` + ".lock" and + ".socket" in folder.
    SingleInstance(const QString &folder, const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The user's runtime folder ($XDG_RUNTIME_DIR), else a folder of the
    // user's own cache made readable by the user alone.
    static QString runtimeFolder();
    // "Quillan.exe-" and the numeric user id: no environment variable that a
    // service manager may leave unset decides it.
    static QString defaultName();

    // True when this start is the first; it then listens for later starts.
    bool tryBecomePrimary();
    // From a later start: asks the first to show itself and hands it the
    // arguments. False when it cannot be reached.
    bool notifyPrimary(const QStringList &arguments = {}) const;

Q_SIGNALS:
    // A later start asked this editor to show itself maximised and raised.
    void raiseRequested();
    // ... and to open what it was started with (absolute paths).
    void openRequested(const QStringList &arguments);

private:
    void receive(const QByteArray &message);

    QString m_socket;
    QLockFile m_lock;
    LocalMessageServer *m_server = nullptr;
};
