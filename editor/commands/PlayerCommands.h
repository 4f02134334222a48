#pragma once

#include "CommandContext.h"
#include "DeviceSelection.h"

#include <functional>

#include <QStringList>

class FileCommands;

// What a player already holds: open an album stored on it, delete albums
// with the media they use, take background music from its music folder.
class PlayerCommands
{
public:
    PlayerCommands(CommandContext context, FileCommands &files);

    void mnuAlbum_ImportClick();
    void MnuDeleteAlbumClick();
    void mnuAddBGMusic_DeviceClick();

    // The folder below the player's root (matched ignoring case), tried
    // again up to five times a second apart; the not-connected message when
    // it cannot be reached. Empty then.
    QString reachFolder(const QString &root, const QString &relative) const;
    // Deletes albums on the player at root after asking; true when the
    // user agreed. Files outside the player are never touched: they are
    // named in a message instead.
    bool deleteAlbums(const QStringList &albums, bool images, bool audio, const QString &root);
    // Background music entries from the player's files; "DEVICE" for a
    // file that does not probe.
    void addPlayerMusic(const QStringList &files);

    // Replaceable for tests: the USB mounts and the pause between tries.
    std::function<QStringList()> removableMounts;
    std::function<void(int ms)> wait;

private:
    std::optional<DeviceSelection::Chosen> choosePlayer(DeviceSelection::Purpose purpose) const;

    CommandContext m_ctx;
    FileCommands &m_files;
};
