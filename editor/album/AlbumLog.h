#pragma once

#include <QLoggingCategory>

// "quillan.album": what the probes and thumbnails could not read, and why.
Q_DECLARE_LOGGING_CATEGORY(lcAlbum)
