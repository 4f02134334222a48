#include "FuzzAlbum.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

QString fuzzInputFile(const uint8_t *data, size_t size, const char *suffix)
{
    const QString path = QDir::tempPath() + QStringLiteral("/quillan-fuzz-")
        + QString::number(::getpid()) + QString::fromLatin1(suffix);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}
