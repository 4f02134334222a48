#pragma once

#include <QString>

// Makes the desktop open .pvm, .mum and .ppl albums with this editor: a
// shared-mime-info package and a desktop entry under the user's data
// folder, then the desktop's caches refreshed when their tools exist. Every
// failure is silent; the editor works without it.
namespace FileTypeRegistration {

// The package of the three album types.
QByteArray mimePackage();
// The desktop entry that starts the editor at `executable` with a file.
QByteArray desktopEntry(const QString &executable);

// Writes both under a data folder (…/share), each only when it differs from
// what is there; false when either fails. *changed tells whether any was
// written.
bool writeFiles(const QString &dataFolder, const QString &executable, bool *changed = nullptr);

void registerFor(const QString &executable);

} // namespace FileTypeRegistration
