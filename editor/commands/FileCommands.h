#pragma once

#include "AlbumType.h"
#include "CommandContext.h"

#include <functional>

#include <QHash>

// Save, Save As and Open, and the one routine that opens an album file.
class FileCommands
{
public:
    explicit FileCommands(CommandContext context);

    void SaveAlbummenuClick();
    void SaveAsAlbummenuClick();
    void OpenAlbummenuClick();
    // An album file handed over by a later start of the editor: opened as
    // Open opens a chosen file, with the save question first. Ignored while
    // another album is being read.
    void openFromOutside(const QString &path);
    // Opens the file as the current album; the current album type picks the
    // reader. playerRoot: the player's root when opening from a player.
    bool OpenAlbumFile(const QString &path, const QString &playerRoot = {},
        const QHash<QString, QString> &moved = {});
    // Find Missing Files: a folder is searched (names compared ignoring
    // case) for the media the album could not find when it was opened, and
    // the album is read again with those found; a message counts them.
    void FindMissingFilesClick();
    // Sets the album type with its commands, pages and label, then opens the
    // file with OpenAlbumFile: every open from the disk goes through here.
    bool openAs(AlbumType type, const QString &path, const QString &playerRoot = {});
    // Opens a recovery copy as the album it was taken from: its path (none
    // for an album never saved) and type, modified. False when the copy was
    // not opened (the current album's save question was cancelled, or the
    // copy could not be read).
    bool recover(const QString &copy, AlbumType type, const QString &original);
    // Open for an album on a player: the save question, the file chosen,
    // then read with its relative paths against the player's root. Save
    // and Save As stay off while it is open.
    void openFromPlayer(const std::function<QString()> &choose, const QString &playerRoot);
    // The Open dialog's filter: the album type's own first, then all albums.
    static QString openFilter(AlbumType type);
    void UpdateSaveCommands();
    // Ctrl+F12: the outline dump beside the album file, or in the user's
    // documents folder while the album has none; a message says where.
    void dumpOutline();
    QString outlineDumpPath() const;
    // "Harlowe Lumavine - " and the file name.
    void updateCaption();

    // The save dialog's check of a confirmed name: true accepts it.
    bool checkSaveName(const QString &path) const;
    // The save dialog of the album type, asked again while the name is
    // refused; empty when cancelled. It suggests the album's file name
    // unless given another.
    QString askSaveName(const QString &suggestedName = QString());

private:
    // Writes the album to path; on failure says why and changes nothing.
    bool writeTo(const QString &path);
    void adoptPath(const QString &path);
    // Open's steps around the choice of the file (empty: nothing opens).
    void openWithSaveQuestion(
        const std::function<QString()> &choose, const QString &playerRoot = {});

    CommandContext m_ctx;
    // While a recovery copy opens: it does not go into the recent albums.
    bool m_keepOutOfRecent = false;
};
