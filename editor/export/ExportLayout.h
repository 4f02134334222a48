#pragma once

#include "AlbumType.h"

#include <QString>
#include <QStringList>

// Where an export puts things below its root: the folders it makes, the
// album file and the folder the media are copied below. Folder names that
// already exist in another case are used as they are spelt (players use
// FAT, where "SYSTEM" and "System" are one folder).
struct ExportLayout
{
    enum class Target { Disk, Player };

    // The folder everything goes below.
    QString root;
    QStringList folders;
    QString albumFile;
    QString copyRoot;

    // Disk, image and music albums: Music, Photos, Movie and PlayList below
    // the root, the album file in PlayList, media below the root. Disk,
    // playlist albums, and every player: the player's System layout, the
    // album file in System/PhotoList, media below System.
    static ExportLayout of(
        Target target, AlbumType type, const QString &root, const QString &albumFileName);
};

// The path below root, each component in the spelling the disk already has
// (ignoring case), the rest as given.
QString existingSpelling(const QString &root, const QString &relative);
