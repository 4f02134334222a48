#pragma once

#include <optional>

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside
// the target, which replaces the target only once every byte was written.
// Returns the reason when the file could not be written ("No space left on
// device"); the old file is then untouched.
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);
