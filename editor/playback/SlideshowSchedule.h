#pragma once

#include <functional>

#include <QList>
#include <QString>

class AlbumDocument;

// What the full-screen slideshow shows and plays, and when, worked out by
// running the playback engine with the slideshow's rules on a clock that
// jumps from one event to the next instead of waiting. The video renderer
// makes its frames and its sound from it, so a rendered album keeps the
// slideshow's timing rules by construction.
struct SlideshowSchedule
{
    // A picture assigned with its transition style at atMs.
    struct Picture
    {
        qint64 atMs = 0;
        QString file;
        int style = 0;
    };
    // A stretch of a media file played from offsetMs on (a video's picture,
    // or the sound of any file: a video's own, an object's, the music's).
    struct Stretch
    {
        qint64 startMs = 0;
        qint64 endMs = 0;
        QString file;
        qint64 offsetMs = 0;
    };

    QList<Picture> pictures;
    QList<Stretch> videos;
    QList<Stretch> sounds;
    qint64 lengthMs = 0;
    // Media the slideshow would have played but could not (missing or
    // unreadable): skipped, in the order met.
    QStringList skipped;

    // A media file's length in milliseconds; negative when it cannot play.
    using LengthOf = std::function<qint64(const QString &file)>;
    // Plays the album once from its first object to past its last.
    static SlideshowSchedule of(const AlbumDocument &album, const LengthOf &lengthOf);
};
