#pragma once

#include <QIcon>
#include <QString>

// How the desktop knows the editor: its name, version, desktop entry and icon.
namespace ApplicationIdentity {

// The desktop entry's name without ".desktop"; Wayland compositors match the
// window to the entry by it.
inline constexpr char DesktopFileName[] = "quillan";
// The icon's name in the desktop's icon theme.
inline constexpr char IconName[] = "quillan";

// The installed theme icon first, so a theme may restyle it; the pictures
// built into the program otherwise (uninstalled builds, bare sessions).
QIcon icon();
// Gives the running application its name, version, desktop entry and icon.
void apply();

} // namespace ApplicationIdentity
