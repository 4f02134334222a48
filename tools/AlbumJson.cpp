#include "AlbumJson.h"

#include "AlbumDocument.h"

#include <QJsonArray>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject objectJson(const AlbumObject &o)
{
    return QJsonObject{
        {u"kind"_s, int(o.kind)},
        {u"mainFile"_s, o.mainFile},
        {u"durationSeconds"_s, o.durationSeconds},
        {u"transition"_s, o.transition},
        {u"thumbnailFile"_s, o.thumbnailFile},
        {u"mediaInfo"_s, o.mediaInfo},
        {u"memberFiles"_s, QJsonArray::fromStringList(o.memberFiles)},
        {u"memberDurations"_s, QJsonArray::fromStringList(o.memberDurations)},
        {u"memberSizesKB"_s, QJsonArray::fromStringList(o.memberSizesKB)},
        {u"memberThumbnails"_s, QJsonArray::fromStringList(o.memberThumbnails)},
        {u"repeatMembers"_s, o.repeatMembers},
    };
}

} // namespace

namespace AlbumJson {

QJsonObject dump(const AlbumDocument &album, const QStringList &messages)
{
    const AlbumProperties &p = album.properties();
    QJsonArray music;
    for (const BackgroundMusicEntry &m : p.backgroundMusic)
        music.append(QJsonObject{{u"musicFile"_s, m.musicFile}, {u"durationText"_s, m.durationText},
            {u"source"_s, m.source}});
    QJsonArray objects;
    for (int i = 0; i < album.objectCount(); ++i)
        objects.append(objectJson(album.object(i)));
    return QJsonObject{
        {u"albumType"_s, int(album.albumType())},
        {u"title"_s, p.title},
        {u"creator"_s, p.creator},
        {u"description"_s, p.description},
        {u"albumTransition"_s, p.albumTransition},
        {u"backgroundImage"_s, p.backgroundImage},
        {u"backgroundMusic"_s, music},
        {u"backgroundMusicSeconds"_s, p.backgroundMusicSeconds},
        {u"accumulatedSizeKB"_s, album.accumulatedSizeKB()},
        {u"objects"_s, objects},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
        {u"outline"_s, album.outlineDumpText()},
    };
}

} // namespace AlbumJson
