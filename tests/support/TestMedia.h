#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The media the build makes for the tests (tests/media/make-test-media).
QString testMedia(const char *name);

// Writes a scratch file, making its folder; a test that cannot is stopped.
void writeFile(const QString &path, const QByteArray &bytes);
// A file's bytes; empty when it cannot be read.
QByteArray readFile(const QString &path);

// The build's program folder, with a trailing "/".
QString programFolder();

// A scratch folder with copies of test media, removed with the object.
class MediaCopies
{
public:
    MediaCopies();
    // Copies the named test file in, under `as` when given, replacing what
    // was there; returns its path.
    QString copy(const char *name, const QString &as = {});
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
