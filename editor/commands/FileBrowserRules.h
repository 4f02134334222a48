#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file browser pane's rules, apart from its widgets.
namespace FileBrowserRules {

// "*.JPG;*.MP3" as name patterns.
QStringList maskPatterns(const QString &mask);

// The folder Up goes to; none at the root of the file system.
std::optional<QString> upFrom(const QString &folder);

enum class ViewStyle { LargeIcon = 0, SmallIcon, List, Detail };
ViewStyle nextViewStyle(ViewStyle style);

// What the note column shows for a file: a JPEG's comment, an MP3's tag
// lines; nothing for other files.
enum class NoteSource { None, JpegComment, Id3 };
NoteSource noteSourceOf(const QString &path);

// Whether a click on this file shows it in the preview.
bool previewsOnClick(const QString &path);

} // namespace FileBrowserRules
