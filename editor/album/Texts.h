#pragma once

// The fixed texts the album code shows the user, byte for byte.
namespace Texts {

inline constexpr char16_t TwoLineBreaks[] = u"\r\n\r\n";

inline constexpr char16_t CaptionConfirm[] = u"Confirm";
inline constexpr char16_t CaptionAppendError[] = u"Append error";
inline constexpr char16_t CaptionApplication[] = u"Quillan";

inline constexpr char16_t NoAlbum[] = u"There is no album. New album or Open a album";
inline constexpr char16_t CannotAddFile[] = u"This file name can not add.";
inline constexpr char16_t CannotAddType[] = u"The file of this type can not add";
inline constexpr char16_t DrmOrProblem[]
    = u"This file is DRM file or has any problem.\r\nTo use the DRM file in album, the file "
      u"should be added after transfering to the device.";

// Reading an album file that is unreadable or malformed.
inline constexpr char16_t UnreadableAlbum[] = u"The album file can not be read.";
inline constexpr char16_t ConvertError[] = u"Convert Error";

inline constexpr char16_t LibraryMissing[] = u" 을 찾을 수 없습니다!";
inline constexpr char16_t NoInformation[] = u"정보없음";

inline constexpr char16_t RootNewAlbum[] = u"New album";
inline constexpr char16_t RootAlbum[] = u"Album";

} // namespace Texts
