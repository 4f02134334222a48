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
    if (file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}
