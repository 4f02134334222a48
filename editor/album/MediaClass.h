#pragma once

#include "AlbumType.h"

#include <QString>

// What a file is, judged by its extension alone.
enum class MediaClass { Photo = 1, Video = 2, CompressedAudio = 3, WaveAudio = 4 };

// The extension as the album code compares it: the text from the last dot of
// the last path component ("" when there is none).
QString fileExtension(const QString &path);

// The last path component, after the last "/" or "\".
QString fileNameOf(const QString &path);

MediaClass ClassifyExtension(const QString &path);
// Whether the name ends in ".jpg" in any case: the only pictures the editor
// decodes (other photo names get a standard picture).
bool hasJpegExtension(const QString &path);
bool isAudioClass(MediaClass c);

// Whether a file named on the command line or dropped on the window may be
// added to an album of the given type. The file must exist.
bool AcceptsFile(const QString &path, AlbumType type);

// Size in bytes, 0 when the file does not exist.
qint64 FileSizeBytes(const QString &path);
// The size as records keep it: kilobytes of 1000 bytes, halves to even.
QString fileSizeKBText(const QString &path);

// Open-dialog filters: "description|patterns|" texts as the dialogs take them.
namespace FileFilters {
inline constexpr char16_t Photos[] = u"Image File(*.jpg)|*.jpg|";
inline constexpr char16_t Audio[] = u"Audio File(*.wav;*.wma;*.mp3)|*.wav;*.wma;*.mp3|";
inline constexpr char16_t PplAudio[] = u"Audio File(*.mp3;*.wma)|*.mp3;*.wma|";
inline constexpr char16_t Video[] = u"Movie File(*.avi,*.mpg,*.mpeg,*.mov,*.asf,*wmv,*dat)|"
                                    u"*.avi;*.mpg;*.mpeg;*.mov;*.asf;*wmv;*dat|";
inline constexpr char16_t ImageAlbums[] = u"Album File(*.pvm)|*.pvm|";
inline constexpr char16_t MusicAlbums[] = u"Album File(*.mum)|*.mum|";
inline constexpr char16_t PplAlbums[] = u"Album File(*.ppl)|*.ppl|";
inline constexpr char16_t BackgroundPicture[] = u"*.jpg|*.jpg";

// The album filter of an album type.
QString albumFilter(AlbumType type);
// The file extension of an album type, with its dot: ".pvm", ".mum", ".ppl".
QString albumExtension(AlbumType type);
} // namespace FileFilters
