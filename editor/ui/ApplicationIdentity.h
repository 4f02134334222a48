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
// Gives the running application its name, version and desktop entry.
void apply();
// Gives every window of the application the icon. Looking the theme up and
// reading the pictures take a first window several milliseconds, so the
// editor does this once its window shows; the desktop follows the change.
void applyIcon();

} // namespace ApplicationIdentity
