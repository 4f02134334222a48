#include "Utf16.h"

namespace {

void put(std::vector<uint8_t> &out, uint16_t unit)
{
    out.push_back(uint8_t(unit & 0xFF));
    out.push_back(uint8_t(unit >> 8));
}

void putUtf8(std::string &out, uint32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace

namespace Utf16 {

std::vector<uint8_t> encode(const std::string &utf8)
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i < utf8.size();) {
        const auto c = uint8_t(utf8[i]);
        uint32_t cp = 0xFFFD;
        size_t length = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 0x6 && i + 1 < utf8.size()) {
            cp = ((c & 0x1Fu) << 6) | (uint8_t(utf8[i + 1]) & 0x3Fu);
            length = 2;
        } else if ((c >> 4) == 0xE && i + 2 < utf8.size()) {
            cp = ((c & 0x0Fu) << 12) | ((uint8_t(utf8[i + 1]) & 0x3Fu) << 6)
                | (uint8_t(utf8[i + 2]) & 0x3Fu);
            length = 3;
        } else if ((c >> 3) == 0x1E && i + 3 < utf8.size()) {
            cp = ((c & 0x07u) << 18) | ((uint8_t(utf8[i + 1]) & 0x3Fu) << 12)
                | ((uint8_t(utf8[i + 2]) & 0x3Fu) << 6) | (uint8_t(utf8[i + 3]) & 0x3Fu);
            length = 4;
        }
        i += length;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(out, uint16_t(0xD800 | (cp >> 10)));
            put(out, uint16_t(0xDC00 | (cp & 0x3FF)));
        } else {
            put(out, uint16_t(cp));
        }
    }
    put(out, 0);
    return out;
}

std::string decode(const uint8_t *data, size_t size)
{
    std::string out;
    for (size_t i = 0; i + 1 < size; i += 2) {
        uint32_t unit = uint32_t(data[i]) | (uint32_t(data[i + 1]) << 8);
        if (unit == 0)
            break;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < size) {
            const uint32_t low = uint32_t(data[i + 2]) | (uint32_t(data[i + 3]) << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        putUtf8(out, unit);
    }
    return out;
}

} // namespace Utf16
