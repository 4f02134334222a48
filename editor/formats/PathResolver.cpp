#include "PathResolver.h"

#include <QDir>
#include <QFileInfo>

PathResolver::PathResolver(const QString &baseFolder)
    : m_base(baseFolder)
{ }

bool PathResolver::isAbsolute(const QString &text)
{
    return text.startsWith(u'/') || text.contains(u":/") || text.contains(u":\\");
}

QString PathResolver::fullPath(const QString &text) const
{
    if (isAbsolute(text))
        return text.startsWith(u'/') ? QDir::cleanPath(text) : text;
    QString relative = text;
    relative.replace(u'\\', u'/');
    return QDir::cleanPath(m_base + u'/' + relative);
}

std::optional<QString> PathResolver::existingFile(const QString &text) const
{
    if (text.isEmpty())
        return std::nullopt;
    const QString path = fullPath(text);
    if (QFileInfo(path).isFile())
        return path;
    if (!path.startsWith(u'/'))
        return std::nullopt;
    return matchIgnoringCase(path);
}

const QStringList &PathResolver::entriesOf(const QString &folder) const
{
    auto found = m_listings.constFind(folder);
    if (found == m_listings.cend())
        found = m_listings.insert(
            folder, QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    return *found;
}

std::optional<QString> PathResolver::matchIgnoringCase(const QString &path) const
{
    return matchFrom(QString(), path.split(u'/', Qt::SkipEmptyParts), 0);
}

std::optional<QString> PathResolver::matchFrom(
    const QString &folder, const QStringList &parts, qsizetype index) const
{
    if (index == parts.size())
        return QFileInfo(folder).isFile() ? std::optional<QString>(folder) : std::nullopt;
    // Every spelling present is tried: a copy on a case-sensitive disk may
    // hold both "System" and "SYSTEM".
    for (const QString &entry : entriesOf(folder.isEmpty() ? QStringLiteral("/") : folder)) {
        if (entry.compare(parts[index], Qt::CaseInsensitive) != 0)
            continue;
        if (auto found = matchFrom(folder + u'/' + entry, parts, index + 1))
            return found;
    }
    return std::nullopt;
}
