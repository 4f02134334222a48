#include "CompanionLibraries.h"

#include "Texts.h"
#include "Thumbnails.h"
#include "UserPrompts.h"

#include <QFile>

#include "VoxID3.h"
#include "VoxJPG.h"

using namespace Qt::Literals::StringLiterals;

struct CompanionLibraries::Library
{
    explicit Library(QString relative)
        : relativePath(std::move(relative))
    { }
    const QString relativePath;
    QLibrary library;
    QHash<QByteArray, QFunctionPointer> functions;
};

CompanionLibraries::CompanionLibraries(UserPrompts &prompts)
    : m_prompts(prompts)
    , m_jpg(std::make_unique<Library>(u"DLL/VoxJPG.so"_s))
    , m_id3(std::make_unique<Library>(u"DLL/VoxID3.so"_s))
{ }

CompanionLibraries::~CompanionLibraries()
{
    UnloadCompanionLibraries();
}

void CompanionLibraries::LoadCompanionLibraries(const QString &programFolder)
{
    for (Library *lib : {m_jpg.get(), m_id3.get()}) {
        if (lib->library.isLoaded())
            continue;
        const QString path = programFolder + lib->relativePath;
        lib->library.setFileName(path);
        if (!lib->library.load())
            m_prompts.message(path + QString::fromUtf16(Texts::LibraryMissing),
                QString::fromUtf16(Texts::CaptionApplication), UserPrompts::Buttons::Ok,
                UserPrompts::Icon::None);
    }
}

void CompanionLibraries::UnloadCompanionLibraries()
{
    for (Library *lib : {m_jpg.get(), m_id3.get()}) {
        lib->functions.clear();
        if (lib->library.isLoaded())
            lib->library.unload();
    }
}

QFunctionPointer CompanionLibraries::resolve(Library &lib, const char *name)
{
    if (!lib.library.isLoaded())
        return nullptr;
    const QByteArray key(name);
    auto found = lib.functions.constFind(key);
    if (found != lib.functions.cend())
        return *found;
    QFunctionPointer address = lib.library.resolve(name);
    if (address)
        lib.functions.insert(key, address);
    return address;
}

QString CompanionLibraries::ReadFileComment(const QString &path)
{
    auto read = reinterpret_cast<decltype(&::ReadFileComment)>(resolve(*m_jpg, "ReadFileComment"));
    if (!read)
        return {};
    const char *text = read(QFile::encodeName(path).constData());
    return text ? QString::fromUtf8(text) : QString();
}

QImage CompanionLibraries::ReadThumb(const QString &path)
{
    auto read = reinterpret_cast<decltype(&::ReadThumb)>(resolve(*m_jpg, "ReadThumb"));
    auto release = reinterpret_cast<decltype(&::ReleaseThumb)>(resolve(*m_jpg, "ReleaseThumb"));
    if (!read || !release)
        return {};
    VoxPicture *picture = read(QFile::encodeName(path).constData());
    if (!picture)
        return {};
    const QImage thumbnail = thumbnailFromJpegData(QByteArray::fromRawData(
        reinterpret_cast<const char *>(picture->jpegData), qsizetype(picture->jpegSize)));
    release(picture);
    return thumbnail;
}

QString CompanionLibraries::id3Note(const QString &path)
{
    ID3InfoRecord record{};
    const QByteArray file = QFile::encodeName(path);
    if (auto read = reinterpret_cast<decltype(&::ReadID3Info)>(resolve(*m_id3, "ReadID3Info")))
        read(&record, file.constData());
    if (record.found == 0) {
        if (auto read2
            = reinterpret_cast<decltype(&::ReadID3Info2)>(resolve(*m_id3, "ReadID3Info2")))
            read2(&record, file.constData());
    }
    if (record.found == 0)
        return QString::fromUtf16(Texts::NoInformation);
    const auto text = [](const char *value) { return QString::fromUtf8(value ? value : ""); };
    QString note = u"Title: " + text(record.title) + u"\r\nArtist: " + text(record.artist)
        + u"\r\nAlbum: " + text(record.album) + u"\r\nYear: " + text(record.year) + u"\r\n";
    if (record.rights)
        note += u"Copyright: " + text(record.rights) + u"\r\n";
    note += u"Comment: " + text(record.comment) + u"\r\nGenre: " + text(record.genre);
    return note;
}
