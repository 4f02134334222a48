#pragma once

#include "CommandContext.h"
#include "DeviceChoice.h"

#include <functional>
#include <optional>

#include <QStringList>

// Choosing a connected player: runs the connector, reads what it found and
// lets the user pick a player (and, when exporting, name the album). Sets
// the state's player root on success.
class DeviceSelection
{
public:
    enum class Purpose { Export, Delete, Open, Music };
    struct Chosen
    {
        // The player's mount point with "/".
        QString root;
        QString deviceName;
        QString albumName;
        // The file system the root was on when chosen, so that a player
        // unplugged since is noticed before anything is written.
        QByteArray device;
    };

    explicit DeviceSelection(CommandContext context);

    // Nothing when the connector found no player (its reason has been
    // shown) or the user cancelled.
    std::optional<Chosen> select(Purpose purpose, const QString &albumName = {});

    // The USB mount points further players are guessed among.
    std::function<QStringList()> removableMounts;

private:
    std::optional<DeviceChoice> findPlayers() const;

    CommandContext m_ctx;
};
