#include "ExportNames.h"

#include "ExportFileList.h"
#include "ExportPaths.h"
#include "MediaClass.h"

#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {

QString numbered(const QString &name, int n)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    return stem + u'_' + QString::number(n) + extension;
}

} // namespace

namespace ExportNames {

QHash<QString, QString> assign(const QStringList &exportList)
{
    QHash<QString, QString> renamed;
    // Per folder: the names taken (in lower case) and the files named.
    QHash<ExportFolder, QSet<QString>> taken;
    QSet<QString> named;
    for (const QString &entry : exportList) {
        if (entry == QStringView(ExportFileList::Marker))
            break;
        const ExportFolder folder = exportFolderOf(entry);
        if (entry.isEmpty() || folder == ExportFolder::None || named.contains(entry))
            continue;
        named.insert(entry);
        QSet<QString> &names = taken[folder];
        QString name = fileNameOf(entry);
        for (int n = 2; names.contains(name.toLower()); ++n)
            name = numbered(fileNameOf(entry), n);
        names.insert(name.toLower());
        if (name != fileNameOf(entry))
            renamed.insert(entry, name);
    }
    return renamed;
}

} // namespace ExportNames
