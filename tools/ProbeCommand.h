#pragma once

#include <QStringList>

// quillan-tool probe FILE... [--json]
int runProbeCommand(const QStringList &arguments);
