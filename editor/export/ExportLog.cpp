#include "ExportLog.h"

Q_LOGGING_CATEGORY(lcExport, "quillan.export", QtWarningMsg)
