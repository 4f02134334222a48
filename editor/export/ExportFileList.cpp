#include "ExportFileList.h"

#include "AlbumDocument.h"

#include <QFileInfo>

namespace ExportFileList {

QStringList BuildExportFileList(const AlbumDocument &album)
{
    QStringList list;
    const AlbumProperties &p = album.properties();
    for (const BackgroundMusicEntry &music : p.backgroundMusic) {
        // Music taken from a player stays there.
        if (!music.source.contains(u"Dev", Qt::CaseInsensitive))
            list.append(music.musicFile);
    }
    if (!p.backgroundImage.isEmpty() && QFileInfo(p.backgroundImage).isFile())
        list.append(p.backgroundImage);
    for (int i = 0; i < album.objectCount(); ++i) {
        const AlbumObject &o = album.object(i);
        const bool link
            = o.kind == ObjectKind::ManifestLink || o.kind == ObjectKind::ManifestLinkAsRead;
        if (!link && QFileInfo(o.mainFile).isFile())
            list.append(o.mainFile);
        list.append(o.memberFiles);
    }
    list.append(QString::fromUtf16(Marker));
    for (int i = 0; i < album.objectCount(); ++i) {
        const AlbumObject &o = album.object(i);
        for (qsizetype k = 0; k < o.memberThumbnails.size(); ++k) {
            const QString &t = o.memberThumbnails[k];
            // An album read from its file has no thumbnail file for every
            // member: an empty one is nothing to copy.
            if (!t.isEmpty() && t != o.mainFile
                && (k >= o.memberFiles.size() || t != o.memberFiles[k]))
                list.append(t);
        }
    }
    return list;
}

bool hasFiles(const QStringList &list)
{
    return list.size() > 1;
}

} // namespace ExportFileList
