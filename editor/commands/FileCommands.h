#pragma once

#include "AlbumType.h"
#include "CommandContext.h"

// Save, Save As and Open, and the one routine that opens an album file.
class FileCommands
{
public:
    explicit FileCommands(CommandContext context);

    void SaveAlbummenuClick();
    void SaveAsAlbummenuClick();
    void OpenAlbummenuClick();
    // Opens the file as the current album; the current album type picks the
    // reader. playerRoot: the player's root when opening from a player.
    bool OpenAlbumFile(const QString &path, const QString &playerRoot = {});
    // Sets the album type with its commands, pages and label, then opens the
    // file with OpenAlbumFile: every open from the disk goes through here.
    bool openAs(AlbumType type, const QString &path);
    // The Open dialog's filter: the album type's own first, then all albums.
    static QString openFilter(AlbumType type);
    void UpdateSaveCommands();
    // "Harlowe Lumavine - " and the file name.
    void updateCaption();

    // The save dialog's check of a confirmed name: true accepts it.
    bool checkSaveName(const QString &path) const;

private:
    // Writes the album to path; on failure says why and changes nothing.
    bool writeTo(const QString &path);
    // The save dialog of the album type, asked again while the name is
    // refused; empty when cancelled.
    QString askSaveName();
    void adoptPath(const QString &path);

    CommandContext m_ctx;
};
