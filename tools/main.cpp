// quillan-tool: the album core from the command line, for scripts and tests.

#include "AlbumCommands.h"
#include "LibraryVersions.h"
#include "ProbeCommand.h"
#include "RenderCommand.h"

#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// The one description of the commands: --help prints it, the manual page is
// made from it and the shell completion is checked against it.
constexpr char Help[] = R"(Usage: quillan-tool COMMAND [OPTION]... [FILE]...
The album core of the Quillan editor from the command line: probe media, make,
read and rewrite albums (.pvm, .mum, .ppl) and export them with their media.

Commands:
  probe [--json] FILE...
        print each file's kind, duration and streams; --json prints the raw
        fields
  new --type image|music|ppl -o OUT [--title T] [--creator C] [--description D] [--transition NAME] [--bg-music FILE]... [--keep-going] FILE...
        make an album of the media files; --keep-going skips the files the
        album refuses instead of failing
  dump ALBUM [--player-root DIR]
        print the album as JSON, as the editor reads it
  resave ALBUM OUT [--drop-missing]
        read an album and write it in the saved form
  export-manifest ALBUM OUT [--drop-missing]
        read an album and write it in the exported form
  export ALBUM --to DIR [--overwrite ask|all|none]
        copy the album with its media into DIR, laid out as the editor's disk
        export does
  export ALBUM --player ROOT [--name PLAYER] [--overwrite ask|all|none]
        export the album onto the player mounted at ROOT
  render ALBUM -o OUT [--size WxH] [--fps N] [--crf N]
        render the album as the slideshow shows it into a video file: OUT.mp4
        (H.264 and AAC), .mkv or .webm (VP9 and Opus); 1280x720 at 25 frames
        a second and quality 23 unless told

Options:
  --help       print this help and exit
  --version    print the version and exit

Exit status:
  0  done
  1  an input missing, refused or unreadable, or an output that cannot be
     written (nothing is written then)
  2  a usage error: an unknown option or transition, an output whose extension
     is not the album type's
)";

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == u"--help" || command == u"-h") {
        std::fputs(Help, stdout);
        return 0;
    }
    if (command == u"--version") {
        std::printf("quillan-tool (Quillan) %s\n", qPrintable(quillanVersion()));
        return 0;
    }
    if (command == u"probe")
        return runProbeCommand(arguments);
    if (command == u"dump")
        return runDumpCommand(arguments);
    if (command == u"new")
        return runNewCommand(arguments);
    if (command == u"resave")
        return runResaveCommand(arguments, false);
    if (command == u"export-manifest")
        return runResaveCommand(arguments, true);
    if (command == u"export")
        return runExportCommand(arguments);
    if (command == u"render")
        return runRenderCommand(arguments);
    std::fputs("usage: quillan-tool probe|dump|new|resave|export-manifest|export|render ...\n"
               "Try 'quillan-tool --help' for more information.\n",
        stderr);
    return 2;
}
