#pragma once

#include "DeviceManager.h"
#include "IniFile.h"

// Players described by a device list file (TETHERA_DEVICES), for tests and
// demonstrations:
//   [Manager]  OpenResult (negative: the connection fails), CommandLog (a
//              file each received command is appended to)
//   [Device1], [Device2], ... in enumeration order: Name, Drive (empty: no
//              drive text), BadMac (1: the drive reply is signed wrongly),
//              NameUnreadable (1), SendResult (what each command returns)
// Like a real player it checks the code of every request and signs its
// drive replies.
class SimulatedDeviceManager final : public DeviceManager
{
public:
    explicit SimulatedDeviceManager(const std::string &deviceListPath);

    int32_t open() override;
    size_t deviceCount() const override;
    std::optional<std::string> deviceName(size_t index) const override;
    int32_t sendOpaqueCommand(size_t index, OpaqueCommand &command) override;
    void close() override;

private:
    struct Device
    {
        std::string section;
        std::string name;
        std::string drive;
        bool badMac = false;
        bool nameUnreadable = false;
        int32_t sendResult = 0;
    };
    void log(const Device &device, const OpaqueCommand &command, const std::string &note) const;

    IniFile m_list;
    std::vector<Device> m_devices;
};
