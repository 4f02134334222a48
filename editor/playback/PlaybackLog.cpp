#include "PlaybackLog.h"

Q_LOGGING_CATEGORY(lcPlayback, "quillan.playback", QtWarningMsg)
