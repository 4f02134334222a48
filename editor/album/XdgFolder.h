#pragma once

#include <QString>

// One of the desktop's base folders for caches, data and state: the
// variable's value when it holds an absolute path, else the fallback below
// the home folder ("/.cache", "/.local/share", "/.local/state").
QString xdgFolder(const char *variable, const char *fallbackBelowHome);
