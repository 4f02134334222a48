#pragma once

#include <QString>

// A base folder of the freedesktop.org base directory specification: the
// variable's value when it holds an absolute path, else the fallback below
// the home folder ("/.cache", "/.local/share", "/.local/state").
QString xdgFolder(const char *variable, const char *fallbackBelowHome);
