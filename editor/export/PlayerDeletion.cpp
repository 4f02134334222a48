#include "PlayerDeletion.h"

#include "ReferencedMedia.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

bool PlayerDeletion::inside(const QString &path, const QString &playerRoot)
{
    const QString root = QFileInfo(playerRoot).canonicalFilePath();
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (root.isEmpty() || resolved.isEmpty())
        return false;
    return resolved.startsWith(root == u"/" ? root : root + u'/');
}

PlayerDeletion PlayerDeletion::plan(
    const QStringList &albums, bool deleteImages, bool deleteAudio, const QString &playerRoot)
{
    PlayerDeletion deletion;
    const auto add = [&](const QString &path) {
        if (!QFileInfo::exists(path))
            return;
        (inside(path, playerRoot) ? deletion.files : deletion.refused).append(path);
    };
    for (const QString &album : albums) {
        if (deleteImages || deleteAudio) {
            for (const QString &media : ReferencedMedia::of(album, playerRoot)) {
                const bool picture = media.endsWith(u".JPG"_s, Qt::CaseInsensitive);
                if (picture ? deleteImages : deleteAudio)
                    add(media);
            }
        }
        add(album);
    }
    return deletion;
}

bool PlayerDeletion::remove(const QString &path, const QString &playerRoot)
{
    return inside(path, playerRoot) && QFile::remove(path);
}
