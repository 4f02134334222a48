#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A scratch installation of the real tethera binary: its own program folder
// (for PPDev.ini), status folder, device list and command log.
class TetheraRun
{
public:
    TetheraRun();

    QString folder() const { return m_dir.path(); }
    QString statusFolder() const { return m_dir.filePath(QStringLiteral("status")); }
    QString statusFile() const { return statusFolder() + QStringLiteral("/orvocomm.dat"); }

    void writeModelList(const QByteArray &ppdevIni);
    // Device sections in enumeration order; the [Manager] section is added.
    void writeDevices(const QByteArray &sections, const QByteArray &manager = {});
    void useSysfs(const QString &mountInfo, const QString &sysfsRoot);

    struct Result
    {
        int exitCode = -1;
        QByteArray statusFile; // empty when no file was written
        bool fileWritten = false;
        QByteArray errors;
    };
    Result run(const QStringList &arguments);
    QByteArray commandLog() const;

    QProcessEnvironment environment;

private:
    QTemporaryDir m_dir;
    QString m_program;
};

// The status file as its table lays it out.
QByteArray expectedStatus(int deviceCount, int status, int refreshFolder, int refreshDb,
    const QStringList &names, const QString &drive);
