#pragma once

#include "DeviceCommand.h"

#include <cstdint>
#include <string>
#include <vector>

class DeviceManager;
struct DeviceStatusRecord;

// The connector's link to the players: the supported models, the matching
// of connected players against them, and the commands to the addressed
// player (the matched player whose name sorts first).
class PlayerLink
{
public:
    static constexpr const char *DefaultModel = "Harlowe / Tunewave KV-30";

    PlayerLink(DeviceManager &devices, std::string executableFolder);

    // Reads DeviceNames of [Configuration] from PPDev.ini beside the
    // executable: split at ";", empty pieces dropped, nothing trimmed.
    void ReadModelList();
    const std::vector<std::string> &modelList() const { return m_models; }

    int32_t OpenConnection();
    // Counts every match (a name listed twice counts twice) and fills the
    // record's first three name slots in matching order.
    int32_t ListMatchedPlayers(DeviceStatusRecord &record);
    const std::vector<std::string> &selectionList() const { return m_selection; }

    struct CommandResult
    {
        int32_t result = 0; // negative results mapped to E_FAIL
        int32_t rawResult = 0; // what the send itself returned
        std::string reply; // the drive text of an authenticated drive reply
    };
    // Reconnects, finds the addressed player again by name (the last of
    // equal names wins) and sends the command; 0 when the player is gone.
    CommandResult SendDeviceCommand(DeviceCommand command, const std::string &folder = {});

    void CloseConnection();

private:
    DeviceManager &m_devices;
    std::string m_executableFolder;
    std::vector<std::string> m_models;
    std::vector<std::string> m_selection;
};
