#include "ExportPaths.h"

#include "MediaClass.h"
#include "UrlCoding.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

ExportFolder exportFolderOf(const QString &path)
{
    static const QStringList music{u".wav"_s, u".mp3"_s, u".wma"_s, u".mid"_s};
    static const QStringList movie{
        u".avi"_s, u".mpg"_s, u".mpeg"_s, u".mov"_s, u".asf"_s, u".asx"_s, u".wmv"_s, u".dat"_s};
    const QString ext = fileExtension(path).toLower();
    if (ext == u".jpg")
        return ExportFolder::Photos;
    if (music.contains(ext))
        return ExportFolder::Music;
    if (movie.contains(ext))
        return ExportFolder::Movie;
    return ExportFolder::None;
}

QString exportFolderName(ExportFolder folder)
{
    switch (folder) {
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

QString ExportedMedia::nameOf(const QString &path) const
{
    return renamed.value(path, fileNameOf(path));
}

QString ExportPath(const QString &path, const ExportedMedia &media)
{
    const QString name = UrlEncode(media.nameOf(path));
    const QString folder = exportFolderName(exportFolderOf(path));
    return folder.isEmpty() ? name : u"../"_s + folder + u'/' + name;
}

QString ExportPlaylistPath(const QString &path, const ExportedMedia &media)
{
    // Paths are UTF-8 throughout, so the code page conversion is the identity.
    const QString folder = exportFolderName(exportFolderOf(path));
    return folder.isEmpty() ? QString() : u"System\\"_s + folder + u'\\' + media.nameOf(path);
}
