#include "FormatsLog.h"

Q_LOGGING_CATEGORY(lcFormats, "quillan.formats", QtWarningMsg)
