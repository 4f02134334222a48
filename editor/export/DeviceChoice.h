#pragma once

#include "DeviceStatusFile.h"

#include <vector>

#include <QString>
#include <QStringList>

// The players a device selection offers, read from the connector's status
// file: either the entries or the message that explains why there are none.
struct DeviceChoice
{
    struct Entry
    {
        QString name;
        // The mount point; empty when no drive could be found for the player.
        QString drive;

        // "name (drive)"
        QString caption() const;
        // The drive with "/": the folder every player command works below.
        QString root() const;
    };

    // Set when the dialog closes by itself: the status code's message.
    QString message;
    std::vector<Entry> entries;

    // removableMounts: the USB mount points, sorted; further players, which
    // the connector names without a drive, are guessed among them.
    static DeviceChoice fromStatus(
        const DeviceStatusFile &status, const QStringList &removableMounts);

    // Whether an album name may become a file name on the player; the
    // refusal's text otherwise.
    static std::optional<QString> albumNameRefusal(const QString &name);
};
