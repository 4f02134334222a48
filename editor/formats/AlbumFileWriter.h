#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Writes an album file whole or not at all: the bytes go to a temporary file
// beside the target, which replaces the target only once complete. Returns
// the error text when the file could not be written; the old file is then
// untouched.
std::optional<QString> writeAlbumFile(const QString &path, const QByteArray &bytes);
