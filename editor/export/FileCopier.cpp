#include "FileCopier.h"

#include "FastCopy.h"
#include "Rounding.h"

#include <cstring>

#include <filesystem>

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
// Large blocks keep the copy as fast as the disk; progress still moves
// several times a second on any player.
constexpr qint64 BlockSize = 8 << 20;

QString failure(const QString &what, const QString &path, const QString &reason)
{
    return what + u' ' + path + u": "_s + reason;
}
} // namespace

QString FileCopier::cancelledText()
{
    return u"The copy was cancelled."_s;
}

std::optional<QString> FileCopier::copy(const QString &source, const QString &target,
    const Progress &progress, const std::atomic_bool *cancel)
{
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failure(u"Cannot read"_s, source,
            QFileInfo(source).isFile() ? in.errorString() : u"not a regular file"_s);
    const QFileInfo placed(target);
    if (!QDir().mkpath(placed.absolutePath()))
        return failure(
            u"Cannot create the folder of"_s, target, u"permission denied or no space"_s);
    // Written beside and renamed once whole. Unlike a QSaveFile this does
    // not flush every file to the disk on its own, which made an export
    // several times slower than cp.
    QFile out(placed.absolutePath() + u"/."_s + placed.fileName() + u".quillan-part"_s);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return failure(u"Cannot write"_s, target, out.errorString());
    const auto abandon = [&out](const QString &reason) {
        out.remove();
        return reason;
    };
    const qint64 total = in.size();
    qint64 done = 0;
    // In the kernel where the platform can, as cp does; through memory
    // otherwise, or when the first in-kernel step is refused.
    bool inKernel = true;
    QByteArray block;
    while (true) {
        if (cancel && cancel->load())
            return abandon(cancelledText());
        qint64 n = -1;
        if (inKernel) {
            int errorCode = 0;
            n = fastCopy(in.handle(), out.handle(), BlockSize, errorCode);
            if (n < 0 && done > 0)
                return abandon(failure(
                    u"Cannot write"_s, target, QString::fromLocal8Bit(std::strerror(errorCode))));
            inKernel = n >= 0;
        }
        if (!inKernel) {
            block.resize(BlockSize);
            n = in.read(block.data(), BlockSize);
            if (n < 0)
                return abandon(failure(u"Cannot read"_s, source, in.errorString()));
            for (qint64 written = 0; written < n;) {
                const qint64 w = out.write(block.constData() + written, n - written);
                if (w <= 0)
                    return abandon(failure(u"Cannot write"_s, target, out.errorString()));
                written += w;
            }
        }
        if (n == 0)
            break;
        done += n;
        if (progress)
            progress(
                total > 0 ? int(Rounding::halfEven(double(done) * 100.0 / double(total))) : 100);
    }
    if (total == 0 && progress)
        progress(100);
    // A plain file with the source's time, whatever the target was before.
    out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther);
    out.close();
    if (out.error() != QFileDevice::NoError)
        return abandon(failure(u"Cannot write"_s, target, out.errorString()));
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(out.fileName()).toStdString()),
        std::filesystem::path(QFile::encodeName(target).toStdString()), error);
    if (error)
        return abandon(failure(u"Cannot write"_s, target, QString::fromLocal8Bit(error.message())));
    return std::nullopt;
}
