#include "FileCopier.h"

#include "Rounding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace {
// Large blocks keep the copy as fast as the disk; progress still moves
// several times a second on any player.
constexpr qint64 BlockSize = 1 << 20;

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
    if (!QFileInfo(source).isFile() || !in.open(QIODevice::ReadOnly))
        return failure(u"Cannot read"_s, source,
            QFileInfo(source).isFile() ? in.errorString() : u"not a regular file"_s);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return failure(
            u"Cannot create the folder of"_s, target, u"permission denied or no space"_s);
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(u"Cannot write"_s, target, out.errorString());
    const qint64 total = in.size();
    qint64 done = 0;
    QByteArray block(BlockSize, Qt::Uninitialized);
    while (true) {
        if (cancel && cancel->load()) {
            out.cancelWriting();
            return cancelledText();
        }
        const qint64 n = in.read(block.data(), BlockSize);
        if (n < 0) {
            out.cancelWriting();
            return failure(u"Cannot read"_s, source, in.errorString());
        }
        if (n == 0)
            break;
        for (qint64 written = 0; written < n;) {
            const qint64 w = out.write(block.constData() + written, n - written);
            if (w <= 0) {
                const QString reason = out.errorString();
                out.cancelWriting();
                return failure(u"Cannot write"_s, target, reason);
            }
            written += w;
        }
        done += n;
        if (progress)
            progress(
                total > 0 ? int(Rounding::halfEven(double(done) * 100.0 / double(total))) : 100);
    }
    if (total == 0 && progress)
        progress(100);
    if (!out.commit())
        return failure(u"Cannot write"_s, target, out.errorString());
    // A plain file with the source's time, whatever the target was before.
    QFile::setPermissions(target,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
            | QFileDevice::ReadOther);
    QFile copied(target);
    if (copied.open(QIODevice::Append))
        copied.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    return std::nullopt;
}
