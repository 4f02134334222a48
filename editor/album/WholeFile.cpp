#include "WholeFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

// Writes every byte or says why not. Unbuffered, each write reports its
// own failure; a short write is followed by one more, which then reports
// the reason (a full disk takes what fits first and says why only
// afterwards).
std::optional<QString> writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0 || file.error() != QFileDevice::NoError)
            return file.errorString();
        written += n;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // A buffered write that fails only while commit() flushes is committed
    // all the same, and a full disk would leave a cut-off file in place of
    // a good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (const auto error = writeAll(file, bytes)) {
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::optional<QString> replaceWholeFile(
    const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions)
{
    const QFileInfo target(path);
    // QTemporaryFile creates with O_EXCL under a fresh random name.
    QTemporaryFile file(target.absolutePath() + QStringLiteral("/.quillan-XXXXXX"));
    if (!file.open())
        return file.errorString();
    if (const auto error = writeAll(file, bytes))
        return error;
    if (!file.flush() || !file.setPermissions(permissions))
        return file.errorString();
#if defined(Q_OS_UNIX)
    // On the disk before it replaces the old file, as a QSaveFile commits.
    if (::fsync(file.handle()) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
#endif
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(file.fileName()).toStdString()),
        std::filesystem::path(QFile::encodeName(target.absoluteFilePath()).toStdString()), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    file.setAutoRemove(false);
    return std::nullopt;
}

std::optional<QString> makeOwnFolder(const QString &path)
{
    const QFileInfo folder(path);
    if (folder.isSymLink())
        return path + QStringLiteral(" is a link, not a folder of its own");
    if (!QDir().mkpath(path))
        return path + QStringLiteral(" cannot be made");
    if (!QFileInfo(path).isDir() || QFileInfo(path).isSymLink())
        return path + QStringLiteral(" is not a folder");
    if (!QFile::setPermissions(path, OwnerOnlyFolder))
        return path + QStringLiteral(": its permissions cannot be narrowed");
    return std::nullopt;
}
