#pragma once

#include "MediaProbe.h"
#include "Thumbnail.h"

#include <QHash>
#include <QImage>
#include <QString>

// What adding a file to an album learns from the file itself: its probe,
// its thumbnail and a video's length. Worked out ahead for many files at
// once (each on any thread), then used by AddMediaFile in album order, so
// the album is the one adding them one by one makes.
class PreparedMedia
{
public:
    struct File
    {
        MediaProbeResult probe;
        Thumbnail thumbnail;
        qint64 videoMs = 0;
    };

    // The probe and the picture of one file as AddMediaFile makes them;
    // nothing for a file that is not a plain file (a FIFO would block).
    static std::optional<File> prepare(const QString &path);

    void insert(const QString &path, File file) { m_files.insert(path, std::move(file)); }
    const File *find(const QString &path) const;
    bool contains(const QString &path) const { return m_files.contains(path); }

private:
    QHash<QString, File> m_files;
};
