#pragma once

#include <optional>

#include <QHash>
#include <QString>
#include <QStringList>

// Finds the files an album names. A text is absolute when it starts with "/"
// or holds ":/" or ":\"; a relative one has "\" turned into "/" and is joined
// to the base folder. When the exact path does not exist (players use FAT
// and spell names in any case), each component is matched ignoring case.
//
// A text rooted on a player ("/System/Photos/a.jpg", "\System\...",
// "E:\System\..." or "E:/System/...") or relative from the layout's System
// folder ("System\Photos\a.jpg") that does not exist as written is looked
// for below the layout root: the player's root, or the folder that holds
// the album's "System" folder.
class PathResolver
{
public:
    explicit PathResolver(const QString &baseFolder, const QString &layoutRoot = {});

    static bool isAbsolute(const QString &text);
    // The folder that holds the "System" folder `folder` lies in (any case),
    // or empty when it lies in none.
    static QString layoutRootOf(const QString &folder);
    // The cleaned full path the text names, whether or not it exists.
    QString fullPath(const QString &text) const;
    // The path of the existing regular file the text names, if there is one.
    std::optional<QString> existingFile(const QString &text) const;
    // Files that have moved, by the full path the album names; consulted
    // when that path holds nothing.
    void setMoved(QHash<QString, QString> moved) { m_moved = std::move(moved); }

private:
    std::optional<QString> existingAt(const QString &path) const;
    std::optional<QString> matchIgnoringCase(const QString &path) const;
    std::optional<QString> matchFrom(
        const QString &folder, const QStringList &parts, qsizetype index) const;
    const QStringList &entriesOf(const QString &folder) const;

    QString m_base;
    QString m_layoutRoot;
    mutable QHash<QString, QStringList> m_listings;
    QHash<QString, QString> m_moved;
};
