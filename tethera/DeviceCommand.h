#pragma once

#include "SecureChannel.h"

#include <cstddef>
#include <string>

// The players' three commands.
enum class DeviceCommand { RefreshMusic, DriveQuery, RefreshFolder };

namespace DeviceCommands {

// "{8BD35416-72D3-4BF2-A5D8-8043298C2EB8}" and its kin.
std::string identifierText(DeviceCommand command);
// The identifier as 16 bytes in the GUID's memory layout (the first three
// groups little-endian).
SecureChannel::Guid identifier(DeviceCommand command);
// The request's data block size.
size_t dataSize(DeviceCommand command);

// The identifier bytes back to their text, for logs.
std::string textOf(const SecureChannel::Guid &identifier);

} // namespace DeviceCommands
