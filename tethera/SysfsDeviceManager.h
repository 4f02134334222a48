#pragma once

#include "DeviceManager.h"

// Players as USB mass-storage devices: every mounted file system whose
// block device has a USB ancestor in sysfs. The name is the USB
// manufacturer and product joined by " / ", else the SCSI vendor and model;
// the drive query answers the mount point. No Linux protocol carries the
// refresh commands, so they answer "not implemented".
class SysfsDeviceManager final : public DeviceManager
{
public:
    // TETHERA_MOUNTINFO and TETHERA_SYSFS_ROOT point these at fake trees.
    SysfsDeviceManager(std::string mountInfoPath, std::string sysfsRoot);

    int32_t open() override;
    size_t deviceCount() const override;
    std::optional<std::string> deviceName(size_t index) const override;
    int32_t sendOpaqueCommand(size_t index, OpaqueCommand &command) override;
    void close() override;

    // "\040" and the other octal escapes of mountinfo decoded.
    static std::string unescapeMountPath(const std::string &text);

private:
    struct Player
    {
        std::string name;
        std::string mountPoint;
    };
    std::optional<std::string> usbPlayerName(const std::string &majorMinor) const;

    std::string m_mountInfoPath;
    std::string m_sysfsRoot;
    std::vector<Player> m_players;
};
