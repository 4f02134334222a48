#include "HandOverJob.h"

#include <QDir>
#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {

// root/part/part... with each part spelt as the folder already has it.
QString existingSpelling(QString path, const QStringList &parts)
{
    for (const QString &part : parts) {
        QString spelt = part;
        const QStringList entries = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                spelt = entry;
                break;
            }
        }
        path += u'/' + spelt;
    }
    return path;
}

} // namespace

HandOverJob HandOverJob::parse(const QString &text)
{
    HandOverJob job;
    const QStringList fields = text.split(u'|');
    static const QString folderTail = u"SYSTEM/PHOTOS/.."_s;
    static const QString copyTail = u":COPY"_s;
    if (fields.size() < 2 || !fields[0].endsWith(folderTail, Qt::CaseInsensitive)
        || !fields[1].endsWith(copyTail))
        return job;
    QString root = fields[0].chopped(folderTail.size());
    if (root.isEmpty() || !QDir(root).exists())
        return job;
    job.photoFolder = existingSpelling(QDir::cleanPath(root), {u"System"_s, u"Photos"_s});
    job.playerName = fields[1].chopped(copyTail.size());
    for (qsizetype i = 2; i < fields.size(); ++i) {
        if (!fields[i].isEmpty())
            job.photos.append(fields[i]);
    }
    return job;
}

QSize HandOverJob::screenSize(const QString &settingsKey)
{
    const QStringList parts = settingsKey.split(u'\\', Qt::SkipEmptyParts);
    QSize size(320, 240);
    if (parts.size() < 3)
        return size;
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, parts[1], parts[2]);
    const int width = settings.value(u"PlayerScreenWidth"_s, 320).toInt();
    const int height = settings.value(u"PlayerScreenHeight"_s, 240).toInt();
    if (width > 0 && height > 0 && width <= 8192 && height <= 8192)
        size = QSize(width, height);
    return size;
}
