#pragma once

#include <stdint.h>

// C entry point of the help companion library (DLL/VoxHelp.so).
#ifdef __cplusplus
extern "C" {
#endif

// Shows a help topic "mk:@MSITStore:<folder>Help\Lumahelp.chm::/<page>" as
// the local page <folder>Help/<page> in the desktop's browser; returns at
// once. window is not read.
void ShowHelp(int32_t window, const char *topic);

#ifdef __cplusplus
}
#endif
