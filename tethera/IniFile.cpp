#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Utf16.h"

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string trim(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string unquote(const std::string &text)
{
    if (text.size() >= 2
        && ((text.front() == '"' && text.back() == '"')
            || (text.front() == '\'' && text.back() == '\'')))
        return text.substr(1, text.size() - 2);
    return text;
}

std::string stripInlineComment(const std::string &text)
{
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] == ';' && (text[i - 1] == ' ' || text[i - 1] == '\t'))
            return text.substr(0, i);
    }
    return text;
}

// The bytes of a regular file, at most `limit` of them; a FIFO or a device
// would block or never end, so they read as empty.
std::string readRegularFile(const std::string &path, size_t limit)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    std::string bytes;
    struct stat st
    { };
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        char buffer[4096];
        ssize_t n = 0;
        while (bytes.size() < limit && (n = ::read(fd, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, size_t(n));
    }
    ::close(fd);
    return bytes;
}

// The text of a profile as UTF-8: a UTF-8 byte-order mark is dropped, and a
// file with a UTF-16 one (as Windows editors save "Unicode") is converted.
std::string profileText(std::string bytes)
{
    const auto startsWith = [&bytes](const char *mark, size_t size) {
        return bytes.size() >= size && bytes.compare(0, size, mark, size) == 0;
    };
    if (startsWith("\xEF\xBB\xBF", 3))
        return bytes.substr(3);
    const bool little = startsWith("\xFF\xFE", 2);
    if (!little && !startsWith("\xFE\xFF", 2))
        return bytes;
    std::vector<uint8_t> units(bytes.begin() + 2, bytes.end());
    if (!little) {
        for (size_t i = 0; i + 1 < units.size(); i += 2)
            std::swap(units[i], units[i + 1]);
    }
    return Utf16::decode(units.data(), units.size());
}

} // namespace

IniFile IniFile::load(const std::string &path, InlineComments comments)
{
    // No profile of the connector comes near this size.
    constexpr size_t Limit = 1 << 20;
    IniFile ini;
    std::istringstream in(profileText(readRegularFile(path, Limit)));
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        const std::string text = trim(line);
        if (text.empty() || text.front() == ';')
            continue;
        if (text.front() == '[') {
            const auto close = text.find(']');
            section
                = lower(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
            continue;
        }
        const auto equals = text.find('=');
        if (equals == std::string::npos)
            continue;
        std::string value = text.substr(equals + 1);
        if (comments == InlineComments::Strip)
            value = stripInlineComment(value);
        auto &keys = ini.m_sections[section];
        const std::string key = lower(trim(text.substr(0, equals)));
        // The first of two equal keys wins, as with the profile reader.
        keys.emplace(key, unquote(trim(value)));
    }
    return ini;
}

std::optional<std::string> IniFile::value(const std::string &section, const std::string &key) const
{
    const auto s = m_sections.find(lower(section));
    if (s == m_sections.end())
        return std::nullopt;
    const auto k = s->second.find(lower(key));
    if (k == s->second.end())
        return std::nullopt;
    return k->second;
}

std::string IniFile::value(
    const std::string &section, const std::string &key, const std::string &fallback) const
{
    return value(section, key).value_or(fallback);
}

long IniFile::number(const std::string &section, const std::string &key, long fallback) const
{
    const auto text = value(section, key);
    if (!text || text->empty())
        return fallback;
    char *end = nullptr;
    const long parsed = std::strtol(text->c_str(), &end, 10);
    return end == text->c_str() ? fallback : parsed;
}

bool IniFile::hasSection(const std::string &section) const
{
    return m_sections.count(lower(section)) > 0;
}
