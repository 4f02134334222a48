#pragma once

#include <QString>
#include <QStringList>

// The photos of an export to a player, which the hand-over library fits to
// the player's screen and writes into its photo folder instead of copying.
namespace PhotoHandOver {

struct Split
{
    // "<root>SYSTEM/PHOTOS/..|<player>:COPY|<photo>..." with the photos in
    // reverse list order; empty photos when there is none to hand over.
    QString job;
    QStringList photos;
    // The export list without its photos, for the copy window.
    QStringList rest;
};

// Takes every ".jpg" out of the list; those not already in the player's
// System folder go into the job. A photo whose path holds the job's
// separator "|" stays in the list and is copied as it is.
Split split(const QStringList &exportList, const QString &playerRoot, const QString &playerName);

// Calls ResizeImages of DLL/VoxImgDll.so below the program folder, loaded
// for the call. False when the library or its function is missing or it
// reports that not every photo reached the player.
bool run(const QString &job, const QString &programFolder, quintptr window);

} // namespace PhotoHandOver
