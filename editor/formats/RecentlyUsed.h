#pragma once

#include <QDateTime>
#include <QString>

// The desktop's list of recently used files (the XBEL file the file
// dialogs and file managers of the desktop read), so albums the editor
// opened or saved show up there too.
namespace RecentlyUsed {

// $XDG_DATA_HOME/recently-used.xbel, else ~/.local/share/recently-used.xbel.
QString defaultPath();

// Adds the file to the list in `xbel`, or brings it up to date (its times
// and the editor's count), keeping every other entry as it was. A list
// that cannot be read as XBEL is left alone. False when nothing was
// written.
bool add(const QString &xbel, const QString &file, const QString &mimeType, const QDateTime &now);

} // namespace RecentlyUsed
