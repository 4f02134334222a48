#pragma once

#include <QStringList>

// quillan-tool render ALBUM -o OUT.mp4 [--size WxH] [--fps N] [--crf N]:
// the album as the slideshow shows it, rendered into a video file.
int runRenderCommand(const QStringList &arguments);
