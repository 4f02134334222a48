#include "DeviceStatusFile.h"

#include <QDir>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

QString environment(const char *name)
{
    return qEnvironmentVariable(name);
}

// A value with a comma comes back from the INI reader as a list; the
// connector wrote one text.
QString textOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
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
    if (!QFileInfo(path).isFile())
        return status;
    const QSettings file(path, QSettings::IniFormat);
    status.processCount = file.value(u"Default/ProcessCount"_s, 0).toInt();
    status.deviceCount = file.value(u"Default/DeviceCount"_s, 0).toInt();
    for (int k = 1; k <= 3; ++k)
        status.names.append(textOf(file.value(u"DeviceName/Device"_s + QString::number(k))));
    status.firstDrive = textOf(file.value(u"DeviceDrive/Device1"_s));
    return status;
}
