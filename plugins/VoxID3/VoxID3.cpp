#include "VoxID3.h"

#include <array>
#include <string>

#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tag.h>

namespace {

// Texts handed out stay alive until the next call from the same thread.
struct Texts
{
    std::array<std::string, 7> values;
};

std::string utf8(const TagLib::String &text)
{
    return text.to8Bit(true);
}

std::string year(unsigned value)
{
    return value ? std::to_string(value) : std::string();
}

void fill(ID3InfoRecord *record, const TagLib::Tag &tag, const TagLib::String *rights)
{
    thread_local Texts texts;
    texts.values = {utf8(tag.title()), utf8(tag.artist()), utf8(tag.album()), year(tag.year()),
        rights ? utf8(*rights) : std::string(), utf8(tag.comment()), utf8(tag.genre())};
    record->found = 1;
    record->title = texts.values[0].c_str();
    record->artist = texts.values[1].c_str();
    record->album = texts.values[2].c_str();
    record->year = texts.values[3].c_str();
    record->rights = rights ? texts.values[4].c_str() : nullptr;
    record->comment = texts.values[5].c_str();
    record->genre = texts.values[6].c_str();
}

} // namespace

extern "C" {

void ReadID3Info(ID3InfoRecord *record, const char *path)
{
    if (!record || !path)
        return;
    TagLib::MPEG::File file(path, false);
    if (!file.isValid() || !file.hasID3v1Tag())
        return;
    fill(record, *file.ID3v1Tag(), nullptr);
}

void ReadID3Info2(ID3InfoRecord *record, const char *path)
{
    if (!record || !path)
        return;
    TagLib::MPEG::File file(path, false);
    if (!file.isValid() || !file.hasID3v2Tag())
        return;
    TagLib::ID3v2::Tag *tag = file.ID3v2Tag();
    const auto &frames = tag->frameListMap()["TCOP"];
    if (frames.isEmpty()) {
        fill(record, *tag, nullptr);
        return;
    }
    const TagLib::String rights = frames.front()->toString();
    fill(record, *tag, &rights);
}

} // extern "C"
