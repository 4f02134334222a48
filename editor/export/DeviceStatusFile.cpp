#include "DeviceStatusFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

using namespace Qt::Literals::StringLiterals;

namespace {

QString environment(const char *name)
{
    return qEnvironmentVariable(name);
}

// The connector writes a few short lines; anything larger is not its file.
constexpr qint64 MaximumSize = 64 * 1024;

// "[Section]" lines and "key=value" lines, the value running to the end of
// the line whatever it holds: a mount point may hold ";", "," or quotes,
// which an INI reader takes for a comment, a list or quoting.
QHash<QString, QString> entriesOf(const QByteArray &bytes)
{
    QHash<QString, QString> entries;
    QString section;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('[') && line.endsWith(']')) {
            section = QString::fromUtf8(line.mid(1, line.size() - 2));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        entries.insert(section + u'/' + QString::fromUtf8(line.left(equals)),
            QFile::decodeName(line.mid(equals + 1)));
    }
    return entries;
}

} // namespace

QString DeviceStatusFile::folder()
{
    if (const QString dir = environment("QUILLAN_STATUS_DIR"); !dir.isEmpty())
        return dir;
    if (const QString runtime = environment("XDG_RUNTIME_DIR"); !runtime.isEmpty())
        return runtime + u"/quillan"_s;
    if (const QString cache = environment("XDG_CACHE_HOME"); !cache.isEmpty())
        return cache + u"/quillan"_s;
    const QString home = environment("HOME");
    return (home.isEmpty() ? u"/tmp"_s : home) + u"/.cache/quillan"_s;
}

QString DeviceStatusFile::path()
{
    return folder() + u"/orvocomm.dat"_s;
}

DeviceStatusFile DeviceStatusFile::read(const QString &path)
{
    DeviceStatusFile status;
    QFile file(path);
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() > MaximumSize
        || !file.open(QIODevice::ReadOnly))
        return status;
    const QHash<QString, QString> entries = entriesOf(file.read(MaximumSize));
    status.processCount = entries.value(u"Default/ProcessCount"_s).toInt();
    status.deviceCount = entries.value(u"Default/DeviceCount"_s).toInt();
    for (int k = 1; k <= 3; ++k)
        status.names.append(entries.value(u"DeviceName/Device"_s + QString::number(k)));
    status.firstDrive = entries.value(u"DeviceDrive/Device1"_s);
    return status;
}
