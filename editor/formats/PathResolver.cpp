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
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    QString current;
    for (const QString &part : parts) {
        const QString exact = current + u'/' + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QStringList &entries = entriesOf(current.isEmpty() ? QStringLiteral("/") : current);
        const auto match = std::find_if(entries.cbegin(), entries.cend(),
            [&](const QString &e) { return e.compare(part, Qt::CaseInsensitive) == 0; });
        if (match == entries.cend())
            return std::nullopt;
        current += u'/' + *match;
    }
    if (!QFileInfo(current).isFile())
        return std::nullopt;
    return current;
}
