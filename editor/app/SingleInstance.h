#pragma once

#include <QLockFile>
#include <QObject>

class QLocalServer;

// One editor per user: the first start holds a lock file and listens on a
// local socket; a later start finds the lock, asks the first to show itself
// and ends. A lock left by a crashed editor is taken over.
class SingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SingleInstance)

public:
    // key: the name both starts agree on, e.g. from "Quillan.exe" and the user.
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The key of this editor for the current user.
    static QString defaultKey();

    // True when this start is the first; it then listens for later starts.
    bool tryBecomePrimary();
    // From a later start: asks the first to show itself. False when it
    // cannot be reached.
    bool notifyPrimary() const;

Q_SIGNALS:
    // A later start asked this editor to show itself maximised and raised.
    void raiseRequested();

private:
    QString m_key;
    QLockFile m_lock;
    QLocalServer *m_server = nullptr;
};
