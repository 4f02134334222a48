#pragma once

#include "SecureChannel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Result codes as the device layer reports them.
namespace Result {
inline constexpr int32_t Ok = 0;
inline constexpr int32_t Fail = int32_t(0x80004005);
inline constexpr int32_t NotImplemented = int32_t(0x80004001);
inline constexpr int32_t OutOfMemory = int32_t(0x8007000E);
} // namespace Result

// A device command as it travels: identifier, data block (on return the
// reply) and the 8-byte authentication code over both.
struct OpaqueCommand
{
    SecureChannel::Guid identifier{};
    std::vector<uint8_t> data;
    SecureChannel::Mac mac{};
};

// The players' side of the connector: one back end per way of reaching them.
class DeviceManager
{
public:
    virtual ~DeviceManager() = default;

    // Opens a fresh, authenticated connection and takes a new look at the
    // devices; negative on failure.
    virtual int32_t open() = 0;
    virtual size_t deviceCount() const = 0;
    // Empty when the device's name cannot be read.
    virtual std::optional<std::string> deviceName(size_t index) const = 0;
    virtual int32_t sendOpaqueCommand(size_t index, OpaqueCommand &command) = 0;
    virtual void close() = 0;
};
