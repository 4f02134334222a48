#pragma once

#include "AlbumType.h"
#include "Thumbnail.h"

#include <QImage>
#include <QString>
#include <QStringList>

// One object of the album, in album order. Durations are decimal texts kept
// exactly as the probe or the user wrote them.
struct AlbumObject
{
    ObjectKind kind = ObjectKind::None;
    QString mainFile;
    QString durationSeconds;
    QString transition;
    QString thumbnailFile;
    QString mediaInfo;
    QStringList memberFiles;
    QStringList memberDurations;
    QStringList memberSizesKB;
    QStringList memberThumbnails;
    bool repeatMembers = false;
    int currentMember = 0;
    QString imageCaption;
    QString audioCaption;
    QString durationCaption;

    // The picture the views show; it is not part of any album file.
    Thumbnail thumbnail;
    // durationSeconds as a number, kept by the document so that totals and
    // timelines of large albums need not parse every text again.
    double durationValue = 0;
};

struct BackgroundMusicEntry
{
    QString musicFile;
    // "HH:MM:SS", or "DEVICE" for a player file that could not be probed.
    QString durationText;
    // "PC" or "Device".
    QString source;

    friend bool operator==(const BackgroundMusicEntry &, const BackgroundMusicEntry &) = default;
};

// Transition names and the display style number each selects.
namespace Transitions {
inline constexpr char16_t AlphaBlend[] = u"ALPHABLEND";
inline constexpr char16_t HorizontalWipe[] = u"HORIZONTALWIPE";
inline constexpr char16_t VerticalWipe[] = u"VERTICALWIPE";

// Any name but the three known ones is stored as "ALPHABLEND".
QString normalized(const QString &name);
int displayStyle(const QString &name);
// The transition page's choices 0, 1, 2 and their names.
QString nameOfChoice(int choice);
// The choice of the first name that `text` contains (case ignored), else 0.
int choiceIn(const QString &text);
} // namespace Transitions
