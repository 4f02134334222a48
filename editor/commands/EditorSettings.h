#pragma once

#include "VideoEncoder.h"

#include <QSettings>

// The editor's settings file, the playback volume kept there in the user's
// Harlowe/Quillwright.ini, and the rule between the volume and its slider.
class EditorSettings
{
public:
    static constexpr int FullVolume = 10000;
    static constexpr int SliderMaximum = 5000;

    // The user's Harlowe/Quillwright.ini, where every setting is kept.
    static QSettings store();

    // 10000 when nothing is stored.
    static int readVolume();
    static void writeVolume(int volume);

    // The last video choices; the defaults where nothing (sensible) is stored.
    static VideoFormat readVideoFormat();
    static void writeVideoFormat(const VideoFormat &format);
    // The player's screen, which the photo hand-over fits photos to.
    static QSize playerScreen();
    // How much memory the decoded photo thumbnails may take
    // ("ThumbnailMemoryMB", 256 unless at least 16 is stored).
    static qint64 thumbnailMemoryBytes();

    // The slider shows the volume less 5000, or 1 for 5000 and below.
    static int sliderFromVolume(int volume);
    // A slider position gives position + 5000 above 4, else 10.
    static int volumeFromSlider(int position);
};
