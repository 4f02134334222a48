#pragma once

#include <QHash>
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
// separator "|" stays in the list and is copied as it is. handedAs: the
// path to hand over in place of a photo's own (a link under the name the
// export gave it: the library names what it writes after what it reads).
Split split(const QStringList &exportList, const QString &playerRoot, const QString &playerName,
    const QHash<QString, QString> &handedAs = {});

enum class Result { Done, Failed, LibraryMissing };

// The library below the program folder.
QString libraryPath(const QString &programFolder);
// Calls ResizeImages of the library, loaded for the call. Failed when it
// reports that not every photo reached the player (it has told the user
// which and why).
Result run(const QString &job, const QString &programFolder, quintptr window);

} // namespace PhotoHandOver
