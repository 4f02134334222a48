#include "MissingMedia.h"

#include <QDirIterator>
#include <QFileInfo>

namespace MissingMedia {

QHash<QString, QString> findBelow(const QStringList &missing, const QString &folder)
{
    QMultiHash<QString, QString> byName;
    for (const QString &path : missing)
        byName.insert(QFileInfo(path).fileName().toLower(), path);
    QStringList found;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        found.append(files.next());
    found.sort();
    QHash<QString, QString> moved;
    for (const QString &file : found) {
        const QString name = QFileInfo(file).fileName().toLower();
        for (auto it = byName.constFind(name); it != byName.constEnd() && it.key() == name; ++it) {
            if (!moved.contains(it.value()))
                moved.insert(it.value(), file);
        }
    }
    return moved;
}

} // namespace MissingMedia
