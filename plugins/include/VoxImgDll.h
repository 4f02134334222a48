#pragma once

#include <stdint.h>

// C entry point of the photo hand-over library (DLL/VoxImgDll.so).
#ifdef __cplusplus
extern "C" {
#endif

// Puts photos onto a player, each fitted to the player's screen and written
// as a JPEG of the same name into the player's photo folder.
//   job:        "<root>SYSTEM/PHOTOS/..|<player name>:COPY|<photo>|<photo>..."
//   folder:     the program folder, ending with "/"
//   settingsKey: "SoftWare\<organisation>\<application>"; the screen size is
//               read from that application's settings (PlayerScreenWidth,
//               PlayerScreenHeight; 320x240 when absent)
//   helpTopic:  the help page the progress window's Help button opens
//   window:     the caller's main window, the parent of the progress window
//   codePage:   437; paths are UTF-8 whatever it says
// Non-zero only when every photo is on the player.
int32_t ResizeImages(const char *job, const char *folder, const char *settingsKey,
    const char *helpTopic, uintptr_t window, int32_t codePage);

#ifdef __cplusplus
}
#endif
