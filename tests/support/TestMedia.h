#pragma once

#include <QString>
#include <QTemporaryDir>

// The media the build makes for the tests (tests/media/make-test-media).
QString testMedia(const char *name);

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
