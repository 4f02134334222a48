#pragma once

// The three album types; the codes are stored and compared as numbers.
enum class AlbumType { Image = 0, Music = 1, Ppl = 2 };

// Object kinds; the codes are the ones the readers and writers exchange.
enum class ObjectKind {
    None = 0,
    Still = 1,
    StillWithAudio = 2,
    StillMultiShotSequence = 3,
    StillPanoramaSequence = 4,
    AudioWithStill = 5,
    Audio = 6,
    Video = 7,
    ManifestLink = 8,
    ManifestLinkAsRead = 9,
};
