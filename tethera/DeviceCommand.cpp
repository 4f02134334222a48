#include "DeviceCommand.h"

#include <cstdio>
#include <cstdlib>

namespace DeviceCommands {

std::string identifierText(DeviceCommand command)
{
    switch (command) {
    case DeviceCommand::RefreshMusic:
        return "{8BD35416-72D3-4BF2-A5D8-8043298C2EB8}";
    case DeviceCommand::DriveQuery:
        return "{6038A31B-F0E0-4332-953E-64DE2DC38D5A}";
    case DeviceCommand::RefreshFolder:
        break;
    }
    return "{0DEADC97-B31D-4B8D-9CBC-14083B0CB80D}";
}

SecureChannel::Guid identifier(DeviceCommand command)
{
    std::string hex;
    for (char c : identifierText(command)) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            hex += c;
    }
    SecureChannel::Guid bytes{};
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(std::strtoul(hex.substr(i * 2, 2).c_str(), nullptr, 16));
    // Data1, Data2 and Data3 are stored little-endian.
    std::swap(bytes[0], bytes[3]);
    std::swap(bytes[1], bytes[2]);
    std::swap(bytes[4], bytes[5]);
    std::swap(bytes[6], bytes[7]);
    return bytes;
}

size_t dataSize(DeviceCommand command)
{
    return command == DeviceCommand::RefreshFolder ? 536 : 16;
}

std::string textOf(const SecureChannel::Guid &g)
{
    char text[40];
    std::snprintf(text, sizeof text,
        "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g[3], g[2], g[1],
        g[0], g[5], g[4], g[7], g[6], g[8], g[9], g[10], g[11], g[12], g[13], g[14], g[15]);
    return text;
}

} // namespace DeviceCommands
