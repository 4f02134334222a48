#pragma once

#include <QLoggingCategory>

// Export, the device connector and the player: what was skipped and why.
Q_DECLARE_LOGGING_CATEGORY(lcExport)
