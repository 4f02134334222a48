#include "ThumbnailCache.h"

#include "AlbumLog.h"
#include "LibraryVersions.h"
#include "WholeFile.h"
#include "XdgFolder.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageWriter>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace ThumbnailCache {

namespace {

// A 128 px entry takes some tens of kilobytes.
constexpr qint64 MaximumEntryBytes = 4 << 20;

QByteArray uriOf(const QString &path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

QString nameOf(const QString &path)
{
    return QString::fromLatin1(
               QCryptographicHash::hash(uriOf(path), QCryptographicHash::Md5).toHex())
        + u".png"_s;
}

QString mtimeOf(const QFileInfo &file)
{
    return QString::number(file.lastModified().toSecsSinceEpoch());
}

// CRC-32 of PNG chunks (ISO 3309, as zlib computes it).
quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray bigEndian(quint32 value)
{
    const char bytes[] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    return QByteArray(bytes, 4);
}

// Plain tEXt chunks, as the standard's readers expect them (Qt would
// compress long values into zTXt).
QByteArray textChunk(const QByteArray &key, const QByteArray &value)
{
    const QByteArray body = "tEXt" + key + '\0' + value;
    return bigEndian(quint32(body.size() - 4)) + body + bigEndian(crc32(body));
}

// The tEXt values of a PNG, read up to its first image data.
QHash<QByteArray, QByteArray> textsOf(const QByteArray &png)
{
    QHash<QByteArray, QByteArray> texts;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = quint32(quint8(png[at])) << 24 | quint32(quint8(png[at + 1])) << 16
            | quint32(quint8(png[at + 2])) << 8 | quint32(quint8(png[at + 3]));
        const QByteArray type = png.mid(at + 4, 4);
        if (type == "IDAT" || length > quint32(png.size() - at - 12))
            break;
        if (type == "tEXt") {
            const QByteArray body = png.mid(at + 8, qsizetype(length));
            const qsizetype split = body.indexOf('\0');
            if (split > 0)
                texts.insert(body.left(split), body.mid(split + 1));
        }
        at += 12 + qsizetype(length);
    }
    return texts;
}

// A PNG with the standard's tags after its header, whole or not at all,
// readable by its owner only (thumbnails show what private files hold).
bool write(const QString &entry, const QString &path, const QImage &picture)
{
    const QFileInfo file(path);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(picture) || png.size() < 33)
        return false;
    // The signature (8 bytes) and the header chunk (25) come first.
    png.insert(33,
        textChunk("Thumb::URI", uriOf(path)) + textChunk("Thumb::MTime", mtimeOf(file).toLatin1())
            + textChunk("Thumb::Size", QByteArray::number(file.size()))
            + textChunk("Software", "Quillan " + quillanVersion().toLatin1()));
    // The folder is the owner's alone, and the entry is made new owner-only:
    // a link planted as either is never written or narrowed through.
    if (const auto refused = makeOwnFolder(QFileInfo(entry).absolutePath())) {
        qCWarning(lcAlbum) << "thumbnail not stored:" << *refused;
        return false;
    }
    return !replaceWholeFile(entry, png, OwnerOnly);
}

// The entry's picture when its tags match the file as it is now.
QImage fresh(const QString &entry, const QString &path)
{
    // Only a regular file of a thumbnail's size: a FIFO would block the
    // open, a device would never end.
    const QFileInfo info(entry);
    if (!info.exists())
        return {};
    if (!info.isFile() || info.size() > MaximumEntryBytes) {
        qCWarning(lcAlbum) << "thumbnail cache: ignoring" << entry
                           << "(not a regular file of a thumbnail's size)";
        return {};
    }
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray png = file.read(MaximumEntryBytes);
    const auto texts = textsOf(png);
    if (texts.value("Thumb::URI") != uriOf(path)
        || texts.value("Thumb::MTime") != mtimeOf(QFileInfo(path)).toLatin1())
        return {};
    return QImage::fromData(png, "PNG");
}

} // namespace

QString folder()
{
    return xdgFolder("XDG_CACHE_HOME", "/.cache") + u"/thumbnails"_s;
}

QString entryOf(const QString &path)
{
    return folder() + u"/normal/"_s + nameOf(path);
}

QString failureEntryOf(const QString &path)
{
    return folder() + u"/fail/quillan-"_s + quillanVersion() + u'/' + nameOf(path);
}

QImage lookup(const QString &path)
{
    return fresh(entryOf(path), path);
}

bool knownToFail(const QString &path)
{
    return !fresh(failureEntryOf(path), path).isNull();
}

QImage store(const QString &path, const QImage &picture)
{
    if (picture.isNull())
        return {};
    const QImage normal = picture.width() > NormalSize || picture.height() > NormalSize
        ? picture.scaled(NormalSize, NormalSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        : picture;
    if (!write(entryOf(path), path, normal))
        qCDebug(lcAlbum) << "thumbnail cache: cannot write the entry of" << path;
    return normal;
}

bool storeFailure(const QString &path)
{
    QImage mark(1, 1, QImage::Format_ARGB32);
    mark.fill(Qt::transparent);
    return write(failureEntryOf(path), path, mark);
}

} // namespace ThumbnailCache
