#include "ExportLayout.h"

#include <QDir>

using namespace Qt::Literals::StringLiterals;

QString existingSpelling(const QString &root, const QString &relative)
{
    QString path = QDir::cleanPath(root);
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts)) {
        QString spelt = part;
        if (!QFileInfo::exists(path + u'/' + part)) {
            const QStringList entries
                = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    spelt = entry;
                    break;
                }
            }
        }
        path += u'/' + spelt;
    }
    return path;
}

ExportLayout ExportLayout::of(
    Target target, AlbumType type, const QString &root, const QString &albumFileName)
{
    ExportLayout layout;
    layout.root = QDir::cleanPath(root);
    const auto below
        = [&root](const QString &relative) { return existingSpelling(root, relative); };
    if (target == Target::Disk && type != AlbumType::Ppl) {
        for (const QString &folder : {u"Music"_s, u"Photos"_s, u"Movie"_s, u"PlayList"_s})
            layout.folders.append(below(folder));
        layout.albumFile = below(u"PlayList/"_s + albumFileName);
        layout.copyRoot = QDir::cleanPath(root);
        return layout;
    }
    for (const QString &folder : {u"Music"_s, u"Photos"_s, u"PhotoList"_s, u"Movie"_s})
        layout.folders.append(below(u"System/"_s + folder));
    layout.albumFile = below(u"System/PhotoList/"_s + albumFileName);
    layout.copyRoot = below(u"System"_s);
    return layout;
}
