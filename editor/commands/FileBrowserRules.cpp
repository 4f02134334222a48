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
    if (hasJpegExtension(path))
        return NoteSource::JpegComment;
    if (fileExtension(path).compare(u".mp3", Qt::CaseInsensitive) == 0)
        return NoteSource::Id3;
    return NoteSource::None;
}

bool previewsOnClick(const QString &path)
{
    return hasJpegExtension(path);
}

} // namespace FileBrowserRules
