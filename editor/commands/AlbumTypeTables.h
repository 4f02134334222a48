#pragma once

#include "AlbumType.h"

#include <QString>

// Which commands an album type offers.
struct CommandAvailability
{
    bool addMovie = false;
    bool addImage = false;
    bool addMusic = false;
    bool addMusicButton = true; // the toolbar button that opens the music menu
    bool addBackgroundMusic = false;
    bool addAlbum = false;
    bool exportToHardDisk = false;
    // Export to Device, Open Album From Device, BG music from device.
    bool deviceCommands = false;
    bool deleteObjects = true; // Delete and Delete All List

    bool operator==(const CommandAvailability &) const = default;
};

// Which property pages and labels an album type shows.
struct PageLayout
{
    enum Page { AlbumPage, BackgroundImagePage, BackgroundMusicPage, TransitionPage };

    bool albumPage = true;
    bool backgroundImagePage = false;
    bool backgroundMusicPage = true;
    Page activePage = AlbumPage;
    bool audioLaneLabel = true;
    QString rowLabel;

    bool operator==(const PageLayout &) const = default;
};

CommandAvailability ApplyAlbumTypeCommands(AlbumType type);
PageLayout ApplyAlbumTypePages(AlbumType type);

// The caption area's label: "Image Album", "Audio Album" or "PPL Album".
QString albumTypeLabel(AlbumType type);

// The file browser's mask; a music album's differs after the save question.
QString browserMask(AlbumType type, bool afterSaveQuestion);
