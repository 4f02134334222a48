#include "IniFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>

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

} // namespace

IniFile IniFile::load(const std::string &path, InlineComments comments)
{
    IniFile ini;
    std::ifstream in(path, std::ios::binary);
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
