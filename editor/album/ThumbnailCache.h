#pragma once

#include <QImage>
#include <QString>

// The desktop's shared thumbnail cache (the freedesktop.org thumbnail
// managing standard): PNGs named by the MD5 of the file's URI below
// $XDG_CACHE_HOME/thumbnails/normal, tagged with the file's URI and
// modification time, so file managers and the editor reuse each other's
// thumbnails; a file that cannot be decoded gets an entry in fail/.
namespace ThumbnailCache {

// The "normal" size: the longer side at most this.
inline constexpr int NormalSize = 128;

// $XDG_CACHE_HOME/thumbnails, else ~/.cache/thumbnails.
QString folder();
// The entry of a file in the normal cache, or in this program's fail folder.
QString entryOf(const QString &path);
QString failureEntryOf(const QString &path);

// The stored thumbnail when it belongs to the file as it is now (same URI,
// same modification time); null otherwise.
QImage lookup(const QString &path);
// Whether a fresh failure entry says the file cannot be decoded.
bool knownToFail(const QString &path);

// Stores a picture of the file shrunk to the normal size (never enlarged),
// written whole with the owner's permissions only, and gives that picture
// back: what is shown is what the next lookup finds. The cache is a help,
// never a requirement: a failed write changes nothing else.
QImage store(const QString &path, const QImage &picture);
bool storeFailure(const QString &path);

} // namespace ThumbnailCache
