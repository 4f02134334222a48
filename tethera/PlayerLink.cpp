#include "PlayerLink.h"

#include "DeviceManager.h"
#include "DeviceStatusRecord.h"
#include "IniFile.h"
#include "Utf16.h"

#include <algorithm>
#include <cctype>
#include <new>

PlayerLink::PlayerLink(DeviceManager &devices, std::string executableFolder)
    : m_devices(devices)
    , m_executableFolder(std::move(executableFolder))
{ }

void PlayerLink::ReadModelList()
{
    const IniFile ini = IniFile::load(m_executableFolder + "PPDev.ini");
    const std::string names = ini.value("Configuration", "DeviceNames", DefaultModel);
    m_models.clear();
    size_t start = 0;
    while (start <= names.size()) {
        const size_t end = std::min(names.find(';', start), names.size());
        if (end > start)
            m_models.push_back(names.substr(start, end - start));
        start = end + 1;
    }
}

int32_t PlayerLink::OpenConnection()
{
    return m_devices.open();
}

int32_t PlayerLink::ListMatchedPlayers(DeviceStatusRecord &record)
{
    int32_t count = 0;
    m_selection.clear();
    for (size_t i = 0; i < m_devices.deviceCount(); ++i) {
        const auto name = m_devices.deviceName(i);
        if (!name)
            continue;
        for (const std::string &model : m_models) {
            if (*name != model)
                continue;
            if (size_t(count) < record.deviceName.size())
                record.deviceName[size_t(count)] = *name;
            ++count;
            m_selection.push_back(model);
        }
    }
    std::stable_sort(
        m_selection.begin(), m_selection.end(), [](const std::string &a, const std::string &b) {
            return std::lexicographical_compare(
                a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
                    return std::tolower(static_cast<unsigned char>(x))
                        < std::tolower(static_cast<unsigned char>(y));
                });
        });
    return count;
}

PlayerLink::CommandResult PlayerLink::SendDeviceCommand(
    DeviceCommand command, const std::string &folder)
{
    CommandResult out;
    m_devices.open();
    if (m_selection.empty())
        return out;
    std::optional<size_t> addressed;
    for (size_t i = 0; i < m_devices.deviceCount(); ++i) {
        if (m_devices.deviceName(i) == m_selection.front())
            addressed = i;
    }
    if (!addressed)
        return out;

    OpaqueCommand request;
    request.identifier = DeviceCommands::identifier(command);
    try {
        request.data.assign(DeviceCommands::dataSize(command), 0);
    } catch (const std::bad_alloc &) {
        out.result = out.rawResult = Result::OutOfMemory;
        return out;
    }
    if (command == DeviceCommand::RefreshFolder) {
        const std::vector<uint8_t> text = Utf16::encode(folder);
        // A folder that does not fit the block is refused rather than cut,
        // which would name some other folder.
        if (text.size() > request.data.size()) {
            out.result = out.rawResult = Result::Fail;
            return out;
        }
        std::copy(text.begin(), text.end(), request.data.begin());
    }
    request.mac = SecureChannel::compute(request.identifier, request.data);

    out.rawResult = m_devices.sendOpaqueCommand(*addressed, request);
    out.result = out.rawResult < 0 ? Result::Fail : out.rawResult;
    if (command == DeviceCommand::DriveQuery && out.rawResult >= 0
        && SecureChannel::compute(request.identifier, request.data) == request.mac)
        out.reply = Utf16::decode(request.data.data(), request.data.size());
    return out;
}

void PlayerLink::CloseConnection()
{
    m_devices.close();
}
