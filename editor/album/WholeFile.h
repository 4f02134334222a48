#pragma once

#include <optional>

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only once every byte was written.
// Returns the reason when the file could not be written ("No space left on
// device"); the old file is then untouched. An album the user saves over a
// link is written where the link points, as editors do.
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);

// The same for the program's own files and for what goes onto a player or
// into an export folder, which anyone may have prepared: the temporary file
// is made new (never opened through a link planted in its place), gets
// `permissions` and is renamed over the target, so a link there is
// replaced, never written through.
std::optional<QString> replaceWholeFile(
    const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions);

// Makes a folder of the program's own with its missing parents and narrows
// it to its owner. A link in its place is refused, and no mode is changed
// through one. The reason when the folder cannot be had.
std::optional<QString> makeOwnFolder(const QString &path);

// Files and folders only their owner reads and writes.
inline constexpr QFileDevice::Permissions OwnerOnly
    = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
inline constexpr QFileDevice::Permissions OwnerOnlyFolder = OwnerOnly | QFileDevice::ExeOwner;
// A file others may read (what goes onto a player or into an export).
inline constexpr QFileDevice::Permissions ReadableByAll
    = OwnerOnly | QFileDevice::ReadGroup | QFileDevice::ReadOther;
