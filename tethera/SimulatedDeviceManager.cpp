#include "SimulatedDeviceManager.h"

#include "DeviceCommand.h"
#include "Utf16.h"

#include <fstream>

SimulatedDeviceManager::SimulatedDeviceManager(const std::string &deviceListPath)
    : m_list(IniFile::load(deviceListPath, IniFile::InlineComments::Strip))
{ }

int32_t SimulatedDeviceManager::open()
{
    m_devices.clear();
    const auto result = int32_t(m_list.number("Manager", "OpenResult", 0));
    if (result < 0)
        return result;
    for (int n = 1; m_list.hasSection("Device" + std::to_string(n)); ++n) {
        const std::string section = "Device" + std::to_string(n);
        m_devices.push_back({section, m_list.value(section, "Name", ""),
            m_list.value(section, "Drive", ""), m_list.number(section, "BadMac", 0) != 0,
            m_list.number(section, "NameUnreadable", 0) != 0,
            int32_t(m_list.number(section, "SendResult", 0))});
    }
    return result;
}

size_t SimulatedDeviceManager::deviceCount() const
{
    return m_devices.size();
}

std::optional<std::string> SimulatedDeviceManager::deviceName(size_t index) const
{
    const Device &device = m_devices.at(index);
    if (device.nameUnreadable)
        return std::nullopt;
    return device.name;
}

void SimulatedDeviceManager::log(
    const Device &device, const OpaqueCommand &command, const std::string &note) const
{
    const std::string path = m_list.value("Manager", "CommandLog", "");
    if (path.empty())
        return;
    std::ofstream out(path, std::ios::app | std::ios::binary);
    out << device.section << '\t' << DeviceCommands::textOf(command.identifier) << '\t'
        << command.data.size() << '\t' << note << '\n';
}

int32_t SimulatedDeviceManager::sendOpaqueCommand(size_t index, OpaqueCommand &command)
{
    const Device &device = m_devices.at(index);
    if (SecureChannel::compute(command.identifier, command.data) != command.mac) {
        log(device, command, "bad request code");
        return Result::Fail;
    }
    const bool isFolder
        = command.identifier == DeviceCommands::identifier(DeviceCommand::RefreshFolder);
    log(device, command, isFolder ? Utf16::decode(command.data.data(), command.data.size()) : "");
    if (device.sendResult < 0)
        return device.sendResult;
    if (command.identifier == DeviceCommands::identifier(DeviceCommand::DriveQuery)
        && !device.drive.empty()) {
        command.data = Utf16::encode(device.drive);
        command.mac = SecureChannel::compute(command.identifier, command.data);
        if (device.badMac)
            command.mac[0] ^= 0xFF;
    }
    return device.sendResult;
}

void SimulatedDeviceManager::close()
{
    m_devices.clear();
}
