#pragma once

#include "UserPrompts.h"

#include <QByteArray>
#include <QString>

// Answers every message; the fuzz targets only look for crashes.
class SilentPrompts final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

// The input as a file the readers can open (one per process, rewritten).
QString fuzzInputFile(const uint8_t *data, size_t size, const char *suffix);
