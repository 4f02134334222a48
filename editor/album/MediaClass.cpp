#include "MediaClass.h"

#include "Rounding.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QString fileNameOf(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString fileExtension(const QString &path)
{
    const QString name = fileNameOf(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

MediaClass ClassifyExtension(const QString &path)
{
    const QString ext = fileExtension(path).toLower();
    static const QStringList videos{
        u".avi"_s, u".mpeg"_s, u".wmv"_s, u".mov"_s, u".asf"_s, u".dat"_s, u".mpg"_s};
    if (videos.contains(ext))
        return MediaClass::Video;
    if (ext == u".mp3" || ext == u".wma")
        return MediaClass::CompressedAudio;
    if (ext == u".wav")
        return MediaClass::WaveAudio;
    return MediaClass::Photo;
}

bool hasJpegExtension(const QString &path)
{
    return fileExtension(path).compare(u".jpg", Qt::CaseInsensitive) == 0;
}

bool isAudioClass(MediaClass c)
{
    return c == MediaClass::CompressedAudio || c == MediaClass::WaveAudio;
}

bool AcceptsFile(const QString &path, AlbumType type)
{
    // Regular files only: a FIFO or a device named .mp3 would hang the add.
    if (!QFileInfo(path).isFile())
        return false;
    static const QStringList image{
        u".JPG"_s, u".MPG"_s, u".DAT"_s, u".AVI"_s, u".MPEG"_s, u".WMV"_s, u".ASF"_s, u".MOV"_s};
    static const QStringList music{u".MP3"_s, u".WAV"_s, u".WMA"_s, u".MPG"_s, u".DAT"_s, u".AVI"_s,
        u".MPEG"_s, u".WMV"_s, u".ASF"_s, u".MOV"_s};
    const QString ext = fileExtension(path).toUpper();
    switch (type) {
    case AlbumType::Image:
        return image.contains(ext);
    case AlbumType::Music:
        return music.contains(ext);
    case AlbumType::Ppl:
        return hasJpegExtension(path);
    }
    return false;
}

qint64 FileSizeBytes(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.size() : 0;
}

QString fileSizeKBText(const QString &path)
{
    return QString::number(Rounding::kilobytes(FileSizeBytes(path)));
}

QString FileFilters::albumFilter(AlbumType type)
{
    switch (type) {
    case AlbumType::Music:
        return QString::fromUtf16(MusicAlbums);
    case AlbumType::Ppl:
        return QString::fromUtf16(PplAlbums);
    case AlbumType::Image:
        break;
    }
    return QString::fromUtf16(ImageAlbums);
}

QString FileFilters::albumExtension(AlbumType type)
{
    switch (type) {
    case AlbumType::Music:
        return u".mum"_s;
    case AlbumType::Ppl:
        return u".ppl"_s;
    case AlbumType::Image:
        break;
    }
    return u".pvm"_s;
}
