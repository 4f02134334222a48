#include "AlbumTypeTables.h"

#include "Texts.h"

using namespace Qt::Literals::StringLiterals;

CommandAvailability ApplyAlbumTypeCommands(AlbumType type)
{
    const bool image = type == AlbumType::Image;
    const bool music = type == AlbumType::Music;
    const bool ppl = type == AlbumType::Ppl;
    CommandAvailability c;
    c.addMovie = image || music;
    c.addImage = image || ppl;
    c.addMusic = music;
    c.addMusicButton = true;
    c.addBackgroundMusic = image || ppl;
    c.addAlbum = image || music;
    c.exportToHardDisk = image || music;
    c.deviceCommands = ppl;
    c.deleteObjects = true;
    return c;
}

PageLayout ApplyAlbumTypePages(AlbumType type)
{
    PageLayout p;
    p.albumPage = type != AlbumType::Ppl;
    p.backgroundImagePage = type == AlbumType::Music;
    p.backgroundMusicPage = type != AlbumType::Music;
    p.activePage = type == AlbumType::Ppl ? PageLayout::BackgroundMusicPage : PageLayout::AlbumPage;
    p.audioLaneLabel = type != AlbumType::Ppl;
    p.rowLabel = type == AlbumType::Ppl ? u"Image"_s : u"Image\r\n/\r\nAudio"_s;
    return p;
}

QString albumTypeLabel(AlbumType type)
{
    switch (type) {
    case AlbumType::Music:
        return QString::fromUtf16(Texts::AudioAlbum);
    case AlbumType::Ppl:
        return QString::fromUtf16(Texts::PplAlbum);
    case AlbumType::Image:
        break;
    }
    return QString::fromUtf16(Texts::ImageAlbum);
}

QString browserMask(AlbumType type, bool afterSaveQuestion)
{
    switch (type) {
    case AlbumType::Music:
        return afterSaveQuestion ? u"*.WAV;*.WMA;*.MP3;*.AVI;*.MPG;*.MPEG;*.MOV;*.ASF;*.WMV;*.DAT"_s
                                 : u"*.WAV;*.WMA;*.MP3;*.AVI;*.MPG;*.MOV;*.ASF;*.WMV;*.DAT"_s;
    case AlbumType::Ppl:
        return u"*.JPG"_s;
    case AlbumType::Image:
        break;
    }
    return u"*.JPG;*.AVI;*.MPG;*.MPEG;*.MOV;*.ASF;*.WMV;*.DAT"_s;
}
