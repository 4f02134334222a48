// quillan-tool: the album core from the command line, for scripts and tests.

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
    std::fputs("usage: quillan-tool probe [--json] FILE...\n", stderr);
    return 2;
}
