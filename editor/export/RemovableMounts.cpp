#include "RemovableMounts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

// mountinfo writes blanks and backslashes in paths as octal escapes.
QString unescaped(const QByteArray &field)
{
    QByteArray out;
    for (qsizetype i = 0; i < field.size(); ++i) {
        bool ok = false;
        if (field[i] == '\\' && i + 3 < field.size()) {
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return QString::fromUtf8(out);
}

bool onUsb(const QString &sysfsRoot, const QString &majorMinor)
{
    const QString root = QFileInfo(sysfsRoot).canonicalFilePath();
    QString dir = QFileInfo(sysfsRoot + u"/dev/block/"_s + majorMinor).canonicalFilePath();
    if (root.isEmpty() || dir.isEmpty())
        return false;
    for (; dir.startsWith(root + u'/'); dir = QFileInfo(dir).path()) {
        if (QFileInfo::exists(dir + u"/idVendor"_s) && QFileInfo::exists(dir + u"/idProduct"_s))
            return true;
    }
    return false;
}

QString environment(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

namespace RemovableMounts {

QStringList list()
{
    return list(environment("TETHERA_MOUNTINFO", u"/proc/self/mountinfo"_s),
        environment("TETHERA_SYSFS_ROOT", u"/sys"_s));
}

QStringList list(const QString &mountInfoPath, const QString &sysfsRoot)
{
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList mounts;
    QSet<QByteArray> seen;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5 || seen.contains(fields[2]))
            continue;
        seen.insert(fields[2]);
        if (onUsb(sysfsRoot, QString::fromLatin1(fields[2])))
            mounts.append(unescaped(fields[4]));
    }
    mounts.sort();
    return mounts;
}

} // namespace RemovableMounts
