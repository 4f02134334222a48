#pragma once

// Every fixed text the editor shows the user: message boxes, their captions,
// status prefixes and labels, byte for byte. "\r" alone and "\r\n" differ on
// purpose, as do the leading blanks and the spelling.
namespace Texts {

inline constexpr char16_t TwoLineBreaks[] = u"\r\n\r\n";

// Captions and prefixes.
inline constexpr char16_t CaptionConfirm[] = u"Confirm";
inline constexpr char16_t CaptionAppendError[] = u"Append error";
inline constexpr char16_t CaptionApplication[] = u"Quillan";
inline constexpr char16_t TotalTime[] = u"Total Time: ";
inline constexpr char16_t TotalBackgroundMusic[] = u"Total BG Music : ";
inline constexpr char16_t ObjectsSuffix[] = u" Objects";
inline constexpr char16_t PropertyPrefix[] = u"Propety - ";
inline constexpr char16_t AppendAudioTitle[] = u"Append audio";
inline constexpr char16_t AppendImageTitle[] = u"Append image";
inline constexpr char16_t WindowCaptionPrefix[] = u"Harlowe Lumavine - ";
inline constexpr char16_t NoName[] = u"NoName";

// Album type captions.
inline constexpr char16_t ImageAlbum[] = u"Image Album";
inline constexpr char16_t AudioAlbum[] = u"Audio Album";
inline constexpr char16_t PplAlbum[] = u"PPL Album";

// Album editing.
inline constexpr char16_t SaveBeforeQuestion[]
    = u"There is data in the album. Do you want to save?";
inline constexpr char16_t NoAlbum[] = u"There is no album. New album or Open a album";
inline constexpr char16_t NoMoreAppend[] = u"You can not do the append any more.";
inline constexpr char16_t DeleteObjectQuestion[] = u"Do you want to delete object?";
inline constexpr char16_t RootCannotMove[] = u"Root node can not move";
inline constexpr char16_t OpeningAlbum[] = u"Opening album. Terminate when we open the album";
inline constexpr char16_t CannotAddFile[] = u"This file name can not add.";
inline constexpr char16_t CannotAddType[] = u"The file of this type can not add";
inline constexpr char16_t DrmOrProblem[]
    = u"This file is DRM file or has any problem.\r\nTo use the DRM file in album, the file "
      u"should be added after transfering to the device.";
inline constexpr char16_t SameNameQuestion[] = u"Same file name exists. Do you want to save?";
inline constexpr char16_t DeleteAllQuestion[] = u"Do you want to delete all object?";
inline constexpr char16_t ForbiddenCharacters[]
    = u" The next character can not use to the file name.\r\r\\ / : * ? < > |";
inline constexpr char16_t AtLeastOneImage[] = u"At least there must be one image.";

// Playback.
inline constexpr char16_t NotEnoughToPlay[] = u"Not enough file to play.";

// Album files.
inline constexpr char16_t FileNotExist[] = u"The file is not exist.";
inline constexpr char16_t NoFileToSave[] = u"No file to save.";
inline constexpr char16_t AlbumFileExists[] = u"The album file exists.";
inline constexpr char16_t OverwriteQuestion[] = u"Overwrite it?";
// Reading an album file that is unreadable or malformed.
inline constexpr char16_t UnreadableAlbum[] = u"The album file can not be read.";
inline constexpr char16_t UnwritableAlbum[] = u"The album file can not be written.";
inline constexpr char16_t ConvertError[] = u"Convert Error";

// Export and player.
inline constexpr char16_t NoFileToExport[] = u"No file to export.";
inline constexpr char16_t SameFileName[] = u"Same file name exists.";
inline constexpr char16_t NotEnoughSpace[]
    = u"Not enough disk space.\r\nRetry after ensure disk space.";
inline constexpr char16_t NotEnoughToExport[] = u"Not enough file to export\rAdd more files";
inline constexpr char16_t ExportCompleted[] = u"Exporting completed!";
// A medium of an export that cannot be read, and a target that cannot be
// made; each is followed by the path and the system's reason.
inline constexpr char16_t FileOpenError[] = u"파일 열기 에러!";
inline constexpr char16_t FileCreateError[] = u"파일 생성 에러!";
inline constexpr char16_t CopyingFile[] = u" copying file.";
inline constexpr char16_t CopyingCompleted[] = u"Copying file completed";
inline constexpr char16_t AbortQuestion[] = u"Abort processing?.";
inline constexpr char16_t DeviceManagerMissing[]
    = u"Confirm whether WMDM became the install, or the device is connected";
inline constexpr char16_t DeviceNotConnected[]
    = u"The device is not connected, \ror PC connect mode is not MSC.\r(If the device support "
      u"MTP/MSC mode,\rSelect MSC at Setting->Transfer Mode)";
inline constexpr char16_t DeviceInUse[]
    = u"The device is used another program.\r\rClose another program and try again.";
inline constexpr char16_t MediaPlayerRunning[]
    = u"Windows Media Player is under the execution.\r\rClose Windows Media Player and try "
      u"again.";
inline constexpr char16_t EmptyAlbumName[] = u"Enter a name for the album.";
inline constexpr char16_t DeleteAlbumQuestion[]
    = u"Do you want to delete the album to be selected?";
inline constexpr char16_t DeviceSource[] = u"Device";
inline constexpr char16_t DeviceDuration[] = u"DEVICE";

// Companion libraries.
inline constexpr char16_t LibraryMissing[] = u" 을 찾을 수 없습니다!";
inline constexpr char16_t NoInformation[] = u"정보없음";

// Outline roots.
inline constexpr char16_t RootNewAlbum[] = u"New album";
inline constexpr char16_t RootAlbum[] = u"Album";

} // namespace Texts
