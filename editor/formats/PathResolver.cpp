#include "PathResolver.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The text after its root: "/", "\" or a drive ("E:\", "E:/"); empty when
// the text is not rooted.
std::optional<QString> belowRoot(const QString &text)
{
    if (text.startsWith(u'/') || text.startsWith(u'\\'))
        return text.mid(1);
    if (text.size() >= 3 && text[0].isLetter() && text[1] == u':'
        && (text[2] == u'\\' || text[2] == u'/'))
        return text.mid(3);
    return std::nullopt;
}

// The text below the layout root: after its root when rooted, or the whole
// text when it starts with the layout's "System" folder (as an exported
// playlist's "System\Photos\a.jpg" does).
std::optional<QString> belowLayoutRoot(const QString &text)
{
    if (auto rest = belowRoot(text))
        return rest;
    QString relative = text;
    relative.replace(u'\\', u'/');
    if (relative.section(u'/', 0, 0).compare(u"System", Qt::CaseInsensitive) == 0)
        return text;
    return std::nullopt;
}

} // namespace

PathResolver::PathResolver(const QString &baseFolder, const QString &layoutRoot)
    : m_base(baseFolder)
    , m_layoutRoot(layoutRoot)
{ }

bool PathResolver::isAbsolute(const QString &text)
{
    return text.startsWith(u'/') || text.contains(u":/") || text.contains(u":\\");
}

QString PathResolver::layoutRootOf(const QString &folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!path.isEmpty() && path != u"/") {
        const qsizetype slash = path.lastIndexOf(u'/');
        const QString parent = slash <= 0 ? QStringLiteral("/") : path.left(slash);
        if (path.mid(slash + 1).compare(u"System", Qt::CaseInsensitive) == 0)
            return parent;
        path = slash <= 0 ? QString() : parent;
    }
    return {};
}

QString PathResolver::fullPath(const QString &text) const
{
    if (isAbsolute(text))
        return text.startsWith(u'/') ? QDir::cleanPath(text) : text;
    QString relative = text;
    relative.replace(u'\\', u'/');
    return QDir::cleanPath(m_base + u'/' + relative);
}

std::optional<QString> PathResolver::existingAt(const QString &path) const
{
    // Only regular files: a FIFO or a device would block or never end.
    if (QFileInfo(path).isFile())
        return path;
    if (!path.startsWith(u'/'))
        return std::nullopt;
    return matchIgnoringCase(path);
}

std::optional<QString> PathResolver::existingFile(const QString &text) const
{
    if (text.isEmpty())
        return std::nullopt;
    if (auto found = existingAt(fullPath(text)))
        return found;
    if (const auto rest = belowLayoutRoot(text); rest && !m_layoutRoot.isEmpty()) {
        QString relative = *rest;
        relative.replace(u'\\', u'/');
        if (auto found = existingAt(QDir::cleanPath(m_layoutRoot + u'/' + relative)))
            return found;
    }
    if (const auto moved = m_moved.constFind(fullPath(text)); moved != m_moved.constEnd())
        return existingAt(*moved);
    return std::nullopt;
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
