#include "FileBrowserRules.h"

#include "MediaClass.h"

#include <QDir>

namespace FileBrowserRules {

QStringList maskPatterns(const QString &mask)
{
    QStringList patterns = mask.split(u';', Qt::SkipEmptyParts);
    for (QString &p : patterns)
        p = p.trimmed();
    patterns.removeAll(QString());
    return patterns;
}

std::optional<QString> upFrom(const QString &folder)
{
    QDir dir(folder);
    if (dir.isRoot() || !dir.cdUp())
        return std::nullopt;
    return dir.absolutePath();
}

ViewStyle nextViewStyle(ViewStyle style)
{
    return ViewStyle((int(style) + 1) % 4);
}

NoteSource noteSourceOf(const QString &path)
{
    const QString extension = fileExtension(path).toUpper();
    if (extension == u".JPG")
        return NoteSource::JpegComment;
    if (extension == u".MP3")
        return NoteSource::Id3;
    return NoteSource::None;
}

bool previewsOnClick(const QString &path)
{
    return fileExtension(path).toUpper() == u".JPG";
}

} // namespace FileBrowserRules
