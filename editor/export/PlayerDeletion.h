#pragma once

#include <QString>
#include <QStringList>

// Deleting albums from a player, with the pictures and sound files they
// use. Nothing outside the player's root is ever deleted: every path is
// resolved, symbolic links included, and refused unless it lies below the
// root, whatever a playlist names.
struct PlayerDeletion
{
    // The files to delete in order: each album's media (pictures when
    // deleteImages, other files when deleteAudio), then the album itself.
    QStringList files;
    // Paths the albums name that lie outside the player.
    QStringList refused;

    static PlayerDeletion plan(
        const QStringList &albums, bool deleteImages, bool deleteAudio, const QString &playerRoot);
    // Whether path, resolved, lies below root, resolved.
    static bool inside(const QString &path, const QString &playerRoot);
    // Deletes one planned file, checking again that it lies on the player;
    // a file that is gone or cannot be deleted is passed over.
    static bool remove(const QString &path, const QString &playerRoot);
};
