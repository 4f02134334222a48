#include "ExportPlan.h"

#include "ExportFileList.h"
#include "ExportLayout.h"
#include "ExportPaths.h"
#include "MediaClass.h"

#include <QDir>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace ExportPlan {

std::vector<CopyJob> plan(
    const QStringList &exportList, const QString &copyRoot, const QHash<QString, QString> &renamed)
{
    std::vector<CopyJob> jobs;
    QSet<QString> planned;
    bool thumbnails = false;
    for (const QString &entry : exportList) {
        if (!thumbnails && entry == QStringView(ExportFileList::Marker)) {
            thumbnails = true;
            continue;
        }
        const QString folder
            = thumbnails ? u"System/Photos"_s : exportFolderName(exportFolderOf(entry));
        if (folder.isEmpty() || entry.isEmpty())
            continue;
        // Only the folders are matched to the disk's spelling: looking up
        // each new file would list its folder once per file.
        const QString name
            = thumbnails ? fileNameOf(entry) : renamed.value(entry, fileNameOf(entry));
        const QString target = existingSpelling(copyRoot, folder) + u'/' + name;
        const QString job = entry + u'\n' + target;
        if (planned.contains(job))
            continue;
        planned.insert(job);
        if (QDir::cleanPath(QFileInfo(entry).absoluteFilePath())
                .compare(target, Qt::CaseInsensitive)
            == 0)
            continue;
        jobs.push_back({entry, target});
    }
    return jobs;
}

} // namespace ExportPlan
