#pragma once

#include <QString>
#include <QStringList>

// What the connector's last run left in the status file it shares with the
// editor. A missing file or key reads as 0 or empty text.
struct DeviceStatusFile
{
    int processCount = 0;
    int deviceCount = 0;
    // Device1 to Device3 of the name section.
    QStringList names;
    // Device1 of the drive section: the first player's mount point.
    QString firstDrive;

    // The per-user folder both programs use: $QUILLAN_STATUS_DIR, else
    // $XDG_RUNTIME_DIR/quillan, else the user's cache folder + /quillan.
    static QString folder();
    static QString path();
    static DeviceStatusFile read(const QString &path);
};
