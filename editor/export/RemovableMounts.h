#pragma once

#include <QStringList>

// Mount points of the file systems on USB storage, sorted: where a player
// the connector named without a drive may be. TETHERA_MOUNTINFO and
// TETHERA_SYSFS_ROOT point the search at fake trees, as they do for the
// connector.
namespace RemovableMounts {

QStringList list();
QStringList list(const QString &mountInfoPath, const QString &sysfsRoot);

} // namespace RemovableMounts
