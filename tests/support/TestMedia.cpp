#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

QString testMedia(const char *name)
{
    return QStringLiteral(QUILLAN_TEST_MEDIA_DIR "/") + QString::fromUtf8(name);
}

QString programFolder()
{
    return QStringLiteral(QUILLAN_BIN_DIR "/");
}

MediaCopies::MediaCopies()
{
    if (!m_dir.isValid())
        qFatal("cannot create a temporary folder");
}

QString MediaCopies::copy(const char *name, const QString &as)
{
    const QString target = m_dir.filePath(as.isEmpty() ? QString::fromUtf8(name) : as);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    if (!QFile::copy(testMedia(name), target))
        qFatal("cannot copy test media %s", name);
    return target;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
