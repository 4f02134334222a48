#include "TetheraRun.h"

#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

TetheraRun::TetheraRun()
    : environment(QProcessEnvironment::systemEnvironment())
{
    m_program = m_dir.filePath(u"tethera"_s);
    if (!QFile::copy(programFolder() + u"tethera"_s, m_program))
        qFatal("cannot copy tethera");
    environment.insert(u"QUILLAN_STATUS_DIR"_s, statusFolder());
    environment.remove(u"TETHERA_DEVICES"_s);
}

void TetheraRun::writeModelList(const QByteArray &ppdevIni)
{
    writeFile(m_dir.filePath(u"PPDev.ini"_s), ppdevIni);
}

void TetheraRun::writeDevices(const QByteArray &sections, const QByteArray &manager)
{
    const QString list = m_dir.filePath(u"devices.ini"_s);
    writeFile(list,
        "[Manager]\nCommandLog=" + m_dir.filePath(u"commands.log"_s).toUtf8() + "\n" + manager
            + "\n" + sections);
    environment.insert(u"TETHERA_DEVICES"_s, list);
}

void TetheraRun::useSysfs(const QString &mountInfo, const QString &sysfsRoot)
{
    environment.remove(u"TETHERA_DEVICES"_s);
    environment.insert(u"TETHERA_MOUNTINFO"_s, mountInfo);
    environment.insert(u"TETHERA_SYSFS_ROOT"_s, sysfsRoot);
}

TetheraRun::Result TetheraRun::run(const QStringList &arguments)
{
    QFile::remove(statusFile());
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(m_program, arguments);
    if (!process.waitForFinished(30000))
        qFatal("tethera did not finish");
    Result result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.errors = process.readAllStandardError();
    QFile file(statusFile());
    result.fileWritten = file.open(QIODevice::ReadOnly);
    if (result.fileWritten)
        result.statusFile = file.readAll();
    return result;
}

QByteArray TetheraRun::commandLog() const
{
    QFile file(m_dir.filePath(u"commands.log"_s));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray expectedStatus(int deviceCount, int status, int refreshFolder, int refreshDb,
    const QStringList &names, const QString &drive)
{
    QByteArray text = "[Default]\nDeviceCount=" + QByteArray::number(deviceCount)
        + "\nProcessCount=" + QByteArray::number(status)
        + "\nRefreshFolder=" + QByteArray::number(refreshFolder)
        + "\nRefreshDB=" + QByteArray::number(refreshDb) + "\n\n[DeviceName]\n";
    for (int i = 0; i < 3; ++i)
        text += "Device" + QByteArray::number(i + 1) + "=" + names.value(i).toUtf8() + "\n";
    text += "\n[DeviceDrive]\nDevice1=" + drive.toUtf8() + "\nDevice2=\nDevice3=\n";
    return text;
}
