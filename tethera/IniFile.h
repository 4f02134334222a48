#pragma once

#include <map>
#include <optional>
#include <string>

// A profile file as the Windows profile reader sees it: section and key
// names ignore case, values are trimmed and lose one pair of surrounding
// quotes, and lines starting with ";" are comments.
class IniFile
{
public:
    enum class InlineComments { Keep, Strip };

    // An unreadable or missing file, or one that is no regular file, gives an
    // empty profile. UTF-8 with or without a byte-order mark and UTF-16 with
    // one are read. With Strip, a
    // ";" after a blank ends a value (the device list files use such notes).
    static IniFile load(const std::string &path, InlineComments comments = InlineComments::Keep);

    std::optional<std::string> value(const std::string &section, const std::string &key) const;
    std::string value(
        const std::string &section, const std::string &key, const std::string &fallback) const;
    long number(const std::string &section, const std::string &key, long fallback) const;
    bool hasSection(const std::string &section) const;

private:
    std::map<std::string, std::map<std::string, std::string>> m_sections;
};
