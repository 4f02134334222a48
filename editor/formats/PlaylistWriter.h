#pragma once

#include "TextLines.h"

#include <optional>

// Builds a PPL playlist: a presentation with an optional background of music
// tracks and a foreground of photos, one tag per line.
class PlaylistWriter
{
public:
    enum EntryType { Photo = 0, MusicTrack = 1, PhotoWithSound = 2 };

    void BeginPlaylist();
    void WritePlaylistEntry(bool foreground, EntryType type, const QStringList &files,
        const QString &duration, const QString &transition);
    QByteArray playlistBytes() const;
    std::optional<QString> FinishPlaylist(const QString &path) const;
    void EndPlaylist();

    // Seconds as display milliseconds, halves to even; 1 second when the
    // text is not a number.
    static QString displayTime(const QString &durationSeconds);

private:
    void writePhoto(
        int tabs, const QString &file, const QString &duration, const QString &transition);

    TextSection m_background;
    TextSection m_foreground;
};
