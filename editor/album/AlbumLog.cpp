#include "AlbumLog.h"

Q_LOGGING_CATEGORY(lcAlbum, "quillan.album", QtWarningMsg)
