#pragma once

#include "TextLines.h"

#include <optional>

// Builds an MPV manifest line by line in six sections (header, album,
// album metadata, background, foreground, asset list) and assembles them.
// Objects are numbered in steps of 1000, their parts by offsets from there.
class ManifestWriter
{
public:
    void BeginManifest();
    // Room for about this many objects, so that large albums grow no text.
    void reserve(qsizetype objects);
    void WriteAlbumProperties(const QString &creator, const QString &description,
        const QString &title, const QString &rights, const QString &transition);
    // kind: the object kind code 1..9; value: the duration or rate text of
    // kinds 2, 3 and 5.
    void WriteObject(bool background, int kind, const QStringList &files, const QString &value);
    QByteArray manifestBytes() const;
    // Writes the file whole or not at all; the error text on failure.
    std::optional<QString> FinishManifest(const QString &path) const;

    // "ID00" and the number padded to ten digits.
    static QString identifier(qint64 number);

private:
    void writeSimple(bool background, int kind, const QString &file);
    void writeStillWithAudio(const QStringList &files, const QString &value);
    void writeSequence(int kind, const QStringList &files, const QString &value);
    void writeAudioWithStill(const QStringList &files, const QString &value);
    void writeAsset(QStringView element, qint64 number, const QString &file);

    TextSection m_header;
    TextSection m_album;
    TextSection m_metadata;
    TextSection m_background;
    TextSection m_foreground;
    TextSection m_assets;
    qint64 m_number = 0;
};
