#include "WholeFile.h"

#include <QSaveFile>

std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered, each write reports its own failure: a buffered one that
    // fails only while commit() flushes is committed all the same, and a
    // full disk would leave a cut-off file in place of a good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // A short write is followed by one more, which then reports the reason
    // (a full disk takes what fits first and says why only afterwards).
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0 || file.error() != QFileDevice::NoError) {
            const QString error = file.errorString();
            file.cancelWriting();
            return error;
        }
        written += n;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
