#include "ExportPlan.h"

#include "ExportFileList.h"
#include "ExportLayout.h"
#include "ExportPaths.h"
#include "MediaClass.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace ExportPlan {

namespace {
QString subFolder(const QString &path)
{
    switch (exportFolderOf(path)) {
    case ExportFolder::Photos:
        return u"Photos"_s;
    case ExportFolder::Music:
        return u"Music"_s;
    case ExportFolder::Movie:
        return u"Movie"_s;
    case ExportFolder::None:
        break;
    }
    return {};
}
} // namespace

std::vector<CopyJob> plan(const QStringList &exportList, const QString &copyRoot)
{
    std::vector<CopyJob> jobs;
    bool thumbnails = false;
    for (const QString &entry : exportList) {
        if (!thumbnails && entry == QStringView(ExportFileList::Marker)) {
            thumbnails = true;
            continue;
        }
        const QString folder = thumbnails ? u"System/Photos"_s : subFolder(entry);
        if (folder.isEmpty())
            continue;
        // Only the folders are matched to the disk's spelling: looking up
        // each new file would list its folder once per file.
        const QString target = existingSpelling(copyRoot, folder) + u'/' + fileNameOf(entry);
        if (QDir::cleanPath(QFileInfo(entry).absoluteFilePath())
                .compare(target, Qt::CaseInsensitive)
            == 0)
            continue;
        jobs.push_back({entry, target});
    }
    return jobs;
}

} // namespace ExportPlan
