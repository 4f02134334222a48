#pragma once

#include <QStringList>

class AlbumDocument;

// The media an export takes along, in order: background music from the PC,
// the background image, each object's main file and members, then the
// marker "thumb" and the stored thumbnails that are no object file.
// Duplicates stay: a photo used twice is listed twice.
namespace ExportFileList {

inline constexpr char16_t Marker[] = u"thumb";

QStringList BuildExportFileList(const AlbumDocument &album);
// Whether the list holds anything besides the marker.
bool hasFiles(const QStringList &list);

} // namespace ExportFileList
