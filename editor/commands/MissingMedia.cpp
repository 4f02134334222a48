#include "MissingMedia.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

QStringList partsOf(const QString &path)
{
    QString slashed = path;
    slashed.replace(u'\\', u'/');
    return slashed.split(u'/', Qt::SkipEmptyParts);
}

// How many folders just above the file name two paths share, ignoring case.
int sharedFolders(const QStringList &a, const QStringList &b)
{
    int n = 0;
    while (n + 1 < a.size() && n + 1 < b.size()
        && a[a.size() - 2 - n].compare(b[b.size() - 2 - n], Qt::CaseInsensitive) == 0)
        ++n;
    return n;
}

} // namespace

namespace MissingMedia {

QHash<QString, QString> findBelow(const QStringList &missing, const QString &folder)
{
    QMultiHash<QString, QString> byName;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        byName.insert(QFileInfo(file).fileName().toLower(), file);
    }
    QHash<QString, QString> moved;
    for (const QString &path : missing) {
        const QStringList parts = partsOf(path);
        if (parts.isEmpty())
            continue;
        QString best;
        int bestShared = -1;
        const QString name = parts.last().toLower();
        for (auto it = byName.constFind(name); it != byName.constEnd() && it.key() == name; ++it) {
            const int shared = sharedFolders(parts, partsOf(*it));
            if (shared > bestShared || (shared == bestShared && *it < best)) {
                best = *it;
                bestShared = shared;
            }
        }
        if (!best.isEmpty())
            moved.insert(path, best);
    }
    return moved;
}

} // namespace MissingMedia
