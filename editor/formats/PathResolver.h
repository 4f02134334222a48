#pragma once

#include <optional>

#include <QHash>
#include <QString>
#include <QStringList>

// Finds the files an album names. A text is absolute when it starts with "/"
// or holds ":/" or ":\"; a relative one has "\" turned into "/" and is joined
// to the base folder. When the exact path does not exist (players use FAT
// and spell names in any case), each component is matched ignoring case.
class PathResolver
{
public:
    explicit PathResolver(const QString &baseFolder);

    static bool isAbsolute(const QString &text);
    // The cleaned full path the text names, whether or not it exists.
    QString fullPath(const QString &text) const;
    // The path of the existing file the text names, if there is one.
    std::optional<QString> existingFile(const QString &text) const;

private:
    std::optional<QString> matchIgnoringCase(const QString &path) const;
    std::optional<QString> matchFrom(
        const QString &folder, const QStringList &parts, qsizetype index) const;
    const QStringList &entriesOf(const QString &folder) const;

    QString m_base;
    mutable QHash<QString, QStringList> m_listings;
};
