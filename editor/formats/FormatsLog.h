#pragma once

#include <QLoggingCategory>

// "quillan.formats": what the readers skipped and why.
Q_DECLARE_LOGGING_CATEGORY(lcFormats)
