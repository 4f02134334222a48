#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The device commands carry zero-terminated UTF-16 (little-endian) texts;
// everything else in the connector is UTF-8.
namespace Utf16 {

// The text with its terminating zero, as little-endian bytes.
std::vector<uint8_t> encode(const std::string &utf8);

// The text up to the first zero unit (or the end of the data).
std::string decode(const uint8_t *data, size_t size);

} // namespace Utf16
