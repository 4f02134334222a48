// quillan-tool: the album core from the command line, for scripts and tests.

#include "AlbumCommands.h"
#include "ProbeCommand.h"

#include <cstdio>

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
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
    std::fputs("usage: quillan-tool probe|dump|new|resave|export-manifest|export ...\n", stderr);
    return 2;
}
