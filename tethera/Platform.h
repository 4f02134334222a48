#pragma once

#include <string>
#include <vector>

// The few places where the connector meets the operating system.
namespace Platform {

// The per-user status folder shared with the editor: $QUILLAN_STATUS_DIR,
// else $XDG_RUNTIME_DIR/quillan, else the user's cache folder + /quillan.
std::string statusFolder();

// Creates the folder (mode 0700) when it is missing; false when it cannot.
bool ensurePrivateFolder(const std::string &folder);

// The folder of the running executable, with a trailing "/".
std::string executableFolder();

// The executable names of the running processes in snapshot order (by
// process id): argv[0] after its last "/" or "\".
std::vector<std::string> processNames();

void sleepMilliseconds(int milliseconds);

} // namespace Platform
