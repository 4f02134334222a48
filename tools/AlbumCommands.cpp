#include "AlbumCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "AlbumJson.h"
#include "ConsolePrompts.h"
#include "EditingCommands.h"
#include "EditorState.h"
#include "ExportCommands.h"
#include "FileCommands.h"
#include "MediaClass.h"
#include "PropertyCommands.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
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
    return notARegularFile(path);
}

// Reads the album with the reader its extension selects; what it could not
// find is told as the window tells it.
bool openAlbum(AlbumDocument &album, const QString &path, const QString &playerRoot)
{
    album.setAlbumType(*AlbumFiles::typeOfPath(path));
    const bool read = AlbumFiles::read(album, path, playerRoot);
    if (read && !album.missingFiles().isEmpty())
        album.prompts().message(AlbumFiles::missingFilesReport(album.missingFiles()),
            QString::fromUtf16(Texts::CaptionConfirm), UserPrompts::Buttons::Ok,
            UserPrompts::Icon::Warning);
    return read;
}

// The album type dialog's choice for a type name; -1 for none.
int typeChoice(const QString &name)
{
    return name == u"image" ? 0 : name == u"music" ? 1 : name == u"ppl" ? 2 : -1;
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

namespace {

// A transition name the album knows: it holds one of the three names.
bool knownTransition(const QString &name)
{
    for (int choice = 0; choice < 3; ++choice) {
        if (name.contains(Transitions::nameOfChoice(choice), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Why the file cannot go into an album of the type; empty when it can.
QString refusal(const QString &file, AlbumType type)
{
    if (!QFileInfo::exists(file))
        return u"missing: "_s + file;
    if (!AcceptsFile(file, type))
        return u"not accepted by this album type: "_s + file;
    return {};
}

} // namespace

int runNewCommand(const QStringList &arguments)
{
    int choice = -1;
    QString out;
    QString transition;
    QString title;
    QString creator;
    QString description;
    QStringList files;
    QStringList music;
    bool keepGoing = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (a == u"--type" && hasValue)
            choice = typeChoice(arguments[++i]);
        else if (a == u"--title" && hasValue)
            title = arguments[++i];
        else if (a == u"--creator" && hasValue)
            creator = arguments[++i];
        else if (a == u"--description" && hasValue)
            description = arguments[++i];
        else if (a == u"--transition" && hasValue)
            transition = arguments[++i];
        else if (a == u"--bg-music" && hasValue)
            music.append(QFileInfo(arguments[++i]).absoluteFilePath());
        else if (a == u"-o" && hasValue)
            out = arguments[++i];
        else if (a == u"--keep-going")
            keepGoing = true;
        else if (a.startsWith(u"--"))
            return fail(u"unknown option "_s + a, 2);
        else
            files.append(QFileInfo(a).absoluteFilePath());
    }
    if (choice < 0 || out.isEmpty())
        return fail(u"usage: quillan-tool new --type image|music|ppl [--title T] [--creator C] "
                    "[--description D] [--transition NAME] [--bg-music FILE]... [--keep-going] "
                    "-o OUT FILE..."_s,
            2);
    if (!transition.isEmpty() && !knownTransition(transition))
        return fail(u"unknown transition "_s + transition
                + u" (ALPHABLEND, HORIZONTALWIPE or VERTICALWIPE)"_s,
            2);
    const AlbumType type = choice == 1 ? AlbumType::Music
        : choice == 2                  ? AlbumType::Ppl
                                       : AlbumType::Image;
    if (AlbumFiles::typeOfPath(out) != type)
        return fail(
            u"the output must end in "_s + FileFilters::albumExtension(type) + u": "_s + out, 2);
    // Refused inputs end the run before anything is written, unless the
    // caller asked to skip them.
    QStringList accepted;
    for (const QString &file : std::as_const(files)) {
        const QString why = refusal(file, type);
        if (why.isEmpty())
            accepted.append(file);
        else if (keepGoing)
            printText(stderr, u"quillan-tool: skipped ("_s + why + u")\n"_s);
        else
            return fail(why);
    }
    // The album is made as the window makes it: New album, then each file
    // as a dropped file with the completeness check, then the album pages.
    ConsolePrompts prompts(true, choice);
    AlbumDocument album(prompts);
    EditorState state;
    const CommandContext context{album, prompts, state};
    FileCommands fileCommands(context);
    EditingCommands editing(context, fileCommands);
    PropertyCommands properties(context);
    editing.NewAlnummenuClick();
    for (const QString &file : std::as_const(accepted)) {
        const int before = album.objectCount();
        album.AddMediaFile(file, false, AlbumDocument::RootTarget);
        album.CheckLastObject();
        if (album.objectCount() == before && !keepGoing)
            return fail(u"refused: "_s + file);
    }
    properties.addBackgroundMusicFiles(music);
    if (album.properties().backgroundMusic.size() < size_t(music.size()) && !keepGoing)
        return fail(u"a background track was refused"_s);
    if (!transition.isEmpty()) {
        album.SelectTransitionByName(transition);
        album.ApplyAlbumTransition();
    }
    AlbumProperties p = album.properties();
    p.title = title;
    p.creator = creator;
    p.description = description;
    album.setProperties(p);
    if (const auto error = AlbumFiles::save(album, out))
        return fail(u"cannot write "_s + out + u": "_s + *error);
    return 0;
}

int runResaveCommand(const QStringList &options, bool exportForm)
{
    QStringList arguments = options;
    const bool dropMissing = arguments.removeAll(u"--drop-missing"_s) > 0;
    if (arguments.size() != 2)
        return fail(exportForm ? u"usage: quillan-tool export-manifest ALBUM OUT [--drop-missing]"_s
                               : u"usage: quillan-tool resave ALBUM OUT [--drop-missing]"_s,
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
    // Writing what was read would silently drop what could not be found.
    if (!album.missingFiles().isEmpty() && !dropMissing)
        return fail(u"not written: "_s + QString::number(album.missingFiles().size())
            + u" entries of "_s + in
            + u" could not be found; --drop-missing writes the album without them"_s);
    const auto error
        = exportForm ? AlbumFiles::exportForm(album, out) : AlbumFiles::save(album, out);
    if (error)
        return fail(u"cannot write "_s + out + u": "_s + *error);
    return 0;
}

int runExportCommand(const QStringList &arguments)
{
    QStringList args = arguments;
    QHash<QString, QString> options{{u"--overwrite"_s, u"ask"_s}};
    for (const QString &option : {u"--to"_s, u"--player"_s, u"--name"_s, u"--overwrite"_s}) {
        const qsizetype at = args.indexOf(option);
        if (at < 0 || at + 1 >= args.size())
            continue;
        options[option] = args.at(at + 1);
        args.remove(at, 2);
    }
    static const QStringList policies{u"ask"_s, u"all"_s, u"none"_s};
    const QString to = options.value(u"--to"_s);
    const QString player = options.value(u"--player"_s);
    const QString overwrite = options.value(u"--overwrite"_s);
    if (args.size() != 1 || to.isEmpty() == player.isEmpty() || !policies.contains(overwrite))
        return fail(u"usage: quillan-tool export ALBUM (--to DIR | --player ROOT [--name "
                    u"PLAYER]) [--overwrite ask|all|none]"_s,
            2);
    const QString &in = args.first();
    if (const QString why = notAnAlbum(in); !why.isEmpty())
        return fail(why);
    ConsolePrompts prompts(true);
    prompts.setOverwritePolicy(ConsolePrompts::OverwritePolicy(policies.indexOf(overwrite)));
    AlbumDocument album(prompts);
    if (!openAlbum(album, in, {}))
        return 1;
    EditorState state;
    state.programFolder = QCoreApplication::applicationDirPath() + u'/';
    const CommandContext context{album, prompts, state};
    FileCommands files(context);
    ExportCommands exporting(context, files);
    if (to.isEmpty() && !QFileInfo(player).isDir())
        return fail(player + u": not a folder"_s);
    const bool done = to.isEmpty()
        ? exporting.exportToPlayer(QDir(player).absolutePath() + u'/',
            options.value(u"--name"_s, u"Player"_s), QFileInfo(in).fileName())
        : exporting.exportToDisk(QDir(to).filePath(QFileInfo(in).fileName()));
    if (prompts.unanswered())
        return 2;
    return done ? 0 : 1;
}
