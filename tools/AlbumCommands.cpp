#include "AlbumCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "AlbumJson.h"
#include "ConsolePrompts.h"
#include "MediaClass.h"
#include "Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

using namespace Qt::Literals::StringLiterals;

namespace {

int fail(const QString &message, int code = 1)
{
    printText(stderr, u"quillan-tool: "_s + message + u'\n');
    return code;
}

// Why the path names no album file to read; empty when it does.
QString notAnAlbum(const QString &path)
{
    if (!AlbumFiles::typeOfPath(path))
        return u"not an album file (.pvm, .mum or .ppl): "_s + path;
    if (!QFileInfo(path).isFile())
        return u"no such file: "_s + path;
    return {};
}

// Reads the album with the reader its extension selects.
bool openAlbum(AlbumDocument &album, const QString &path, const QString &playerRoot)
{
    album.setAlbumType(*AlbumFiles::typeOfPath(path));
    return AlbumFiles::read(album, path, playerRoot);
}

std::optional<AlbumType> typeNamed(const QString &name)
{
    if (name == u"image")
        return AlbumType::Image;
    if (name == u"music")
        return AlbumType::Music;
    if (name == u"ppl")
        return AlbumType::Ppl;
    return std::nullopt;
}

// Background music as the PC page adds it: refused .wav in a PPL album and
// files that cannot be read, probed otherwise.
void addBackgroundMusic(AlbumDocument &album, const QString &path)
{
    const auto refuse = [&](const char16_t *text) {
        album.prompts().message(
            QString::fromUtf16(text) + QString::fromUtf16(Texts::TwoLineBreaks) + path,
            QString::fromUtf16(Texts::CaptionAppendError), UserPrompts::Buttons::Ok,
            UserPrompts::Icon::Error);
    };
    if (album.pplMode() && ClassifyExtension(path) == MediaClass::WaveAudio)
        return refuse(Texts::CannotAddType);
    if (QFile file(path); !file.open(QIODevice::ReadOnly))
        return refuse(Texts::CannotAddFile);
    album.AddBackgroundMusic(path);
}

} // namespace

int runDumpCommand(const QStringList &arguments)
{
    QStringList args = arguments;
    QString playerRoot;
    if (const qsizetype at = args.indexOf(u"--player-root"_s); at >= 0 && at + 1 < args.size()) {
        playerRoot = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != 1)
        return fail(u"usage: quillan-tool dump ALBUM [--player-root DIR]"_s, 2);
    if (const QString why = notAnAlbum(args.first()); !why.isEmpty())
        return fail(why);
    ConsolePrompts prompts(false);
    AlbumDocument album(prompts);
    const bool read = openAlbum(album, args.first(), playerRoot);
    printText(stdout,
        QString::fromUtf8(QJsonDocument(AlbumJson::dump(album, prompts.texts()))
                              .toJson(QJsonDocument::Indented)));
    return read ? 0 : 1;
}

int runNewCommand(const QStringList &arguments)
{
    std::optional<AlbumType> type;
    QString out;
    QString transition;
    QStringList files;
    QStringList music;
    ConsolePrompts prompts(true);
    AlbumDocument album(prompts);
    AlbumProperties properties = album.properties();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == u"--type" && hasValue)
            type = typeNamed(arguments[++i]);
        else if (a == u"--title" && hasValue)
            properties.title = arguments[++i];
        else if (a == u"--creator" && hasValue)
            properties.creator = arguments[++i];
        else if (a == u"--description" && hasValue)
            properties.description = arguments[++i];
        else if (a == u"--transition" && hasValue)
            transition = arguments[++i];
        else if (a == u"--bg-music" && hasValue)
            music.append(QFileInfo(arguments[++i]).absoluteFilePath());
        else if (a == u"-o" && hasValue)
            out = arguments[++i];
        else if (a.startsWith(u"--"))
            return fail(u"unknown option "_s + a, 2);
        else
            files.append(QFileInfo(a).absoluteFilePath());
    }
    if (!type || out.isEmpty())
        return fail(u"usage: quillan-tool new --type image|music|ppl [--title T] [--creator C] "
                    "[--description D] [--transition NAME] [--bg-music FILE]... -o OUT FILE..."_s,
            2);
    album.setAlbumType(*type);
    album.ClearAlbum(QString::fromUtf16(Texts::RootNewAlbum));
    album.setProperties(properties);
    if (!transition.isEmpty())
        album.SelectTransitionByName(transition);
    for (const QString &file : std::as_const(files)) {
        if (!AcceptsFile(file, *type)) {
            printText(stderr,
                u"quillan-tool: skipped (not accepted by this album type): "_s + file + u'\n');
            continue;
        }
        album.AddMediaFile(file, false, AlbumDocument::RootTarget);
        album.CheckLastObject();
    }
    for (const QString &file : std::as_const(music))
        addBackgroundMusic(album, file);
    if (const auto error = AlbumFiles::save(album, out))
        return fail(u"cannot write "_s + out + u": "_s + *error);
    return 0;
}

int runResaveCommand(const QStringList &arguments, bool exportForm)
{
    if (arguments.size() != 2)
        return fail(exportForm ? u"usage: quillan-tool export-manifest ALBUM OUT"_s
                               : u"usage: quillan-tool resave ALBUM OUT"_s,
            2);
    const QString &in = arguments[0];
    const QString &out = arguments[1];
    if (const QString why = notAnAlbum(in); !why.isEmpty())
        return fail(why);
    if (AlbumFiles::typeOfPath(in) != AlbumFiles::typeOfPath(out))
        return fail(u"the album types differ: "_s + in + u" cannot be written as "_s + out, 2);
    ConsolePrompts prompts(true);
    AlbumDocument album(prompts);
    if (!openAlbum(album, in, {}))
        return 1;
    const auto error
        = exportForm ? AlbumFiles::exportForm(album, out) : AlbumFiles::save(album, out);
    if (error)
        return fail(u"cannot write "_s + out + u": "_s + *error);
    return 0;
}
