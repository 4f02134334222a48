#include "FileCopier.h"

#include "FastCopy.h"
#include "Rounding.h"
#include "Texts.h"

#include <cstring>

#include <filesystem>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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
    const QString cannotRead = QString::fromUtf16(Texts::FileOpenError);
    const QString cannotMake = QString::fromUtf16(Texts::FileCreateError);
    QFile in(source);
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failure(cannotRead, source,
            QFileInfo(source).isFile() ? in.errorString() : u"not a regular file"_s);
    const QFileInfo placed(target);
    if (!QDir().mkpath(placed.absolutePath()))
        return failure(cannotMake, target, u"its folder cannot be made"_s);
    // Written beside under a fresh short name, made new (a link planted
    // there is never followed, and a name at the file system's limit still
    // has room), then renamed over the target, which replaces a link rather
    // than writing through it. Unlike a QSaveFile this does not flush every
    // file to the disk on its own, which made an export several times
    // slower than cp.
    QTemporaryFile out(placed.absolutePath() + u"/.quillan-XXXXXX.part"_s);
    if (!out.open())
        return failure(cannotMake, target, out.errorString());
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
                return abandon(
                    failure(cannotMake, target, QString::fromLocal8Bit(std::strerror(errorCode))));
            inKernel = n >= 0;
        }
        if (!inKernel) {
            block.resize(BlockSize);
            n = in.read(block.data(), BlockSize);
            if (n < 0)
                return abandon(failure(cannotRead, source, in.errorString()));
            for (qint64 written = 0; written < n;) {
                const qint64 w = out.write(block.constData() + written, n - written);
                if (w <= 0)
                    return abandon(failure(cannotMake, target, out.errorString()));
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
    if (!out.flush())
        return abandon(failure(cannotMake, target, out.errorString()));
    // A plain file with the source's time, whatever the target was before.
    out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
        | QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(out.fileName()).toStdString()),
        std::filesystem::path(QFile::encodeName(target).toStdString()), error);
    if (error)
        return abandon(failure(cannotMake, target, QString::fromLocal8Bit(error.message())));
    out.setAutoRemove(false);
    return std::nullopt;
}
