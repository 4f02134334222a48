#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The message authentication code of a device command: HMAC-SHA-256 under
// the key both ends share, cut to 8 bytes, over the 16 identifier bytes, the
// data length as 4 little-endian bytes, then the data.
namespace SecureChannel {

using Guid = std::array<uint8_t, 16>;
using Mac = std::array<uint8_t, 8>;

Mac compute(const Guid &identifier, const std::vector<uint8_t> &data);

// The same code under any key of at most 64 bytes.
Mac computeWithKey(
    const std::vector<uint8_t> &key, const Guid &identifier, const std::vector<uint8_t> &data);

} // namespace SecureChannel
