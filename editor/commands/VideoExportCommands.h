#pragma once

#include "CommandContext.h"
#include "VideoEncoder.h"

#include <QList>
#include <QSize>

// Export to Video: the album as the slideshow shows it, rendered into an
// MP4 (or Matroska/WebM) file that phones, televisions and players play.
class VideoExportCommands
{
public:
    explicit VideoExportCommands(CommandContext context);

    // The menu item is offered when the album has objects and nothing plays.
    static bool available(const CommandContext &context);
    // The save dialog, the choices, then exportVideo().
    void mnuExport_VideoClick();
    // Renders the album into path with the progress window; skipped media
    // are told first in one warning, the result after. True when the file
    // was written.
    bool exportVideo(const QString &path, const VideoFormat &format);

    // The sizes offered: 1280x720, 1920x1080, 640x480, then the player's
    // screen when it is none of them.
    static QList<QSize> offeredSizes(QSize playerScreen);

private:
    QString askVideoName();

    CommandContext m_ctx;
};
