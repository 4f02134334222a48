#pragma once

#include <QLoggingCategory>

// "quillan.playback": what the media graphs could not play, and why.
Q_DECLARE_LOGGING_CATEGORY(lcPlayback)
