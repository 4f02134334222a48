#include "ProbeCommand.h"

#include "ConsolePrompts.h"
#include "Duration.h"
#include "MediaClass.h"
#include "MediaProbe.h"

#include <cstdio>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

int runProbeCommand(const QStringList &arguments)
{
    QStringList files = arguments;
    const bool json = files.removeAll(u"--json"_s) > 0;
    if (files.isEmpty()) {
        printText(stderr, u"usage: quillan-tool probe [--json] FILE...\n"_s);
        return 2;
    }
    int exitCode = 0;
    QJsonArray results;
    for (const QString &file : std::as_const(files)) {
        if (const QString why = notARegularFile(file); !why.isEmpty()) {
            printText(stderr, u"quillan-tool: "_s + why + u'\n');
            exitCode = 1;
            continue;
        }
        const MediaProbeResult probe = ProbeMedia(file);
        const QString mediaClass = QString::number(int(ClassifyExtension(file)));
        const QString duration = FormatDuration(probe.lengthText);
        if (json) {
            results.append(QJsonObject{{u"file"_s, file}, {u"class"_s, mediaClass.toInt()},
                {u"lengthText"_s, probe.lengthText}, {u"duration"_s, duration},
                {u"probeKind"_s, probe.probeKind}, {u"description"_s, probe.description}});
            continue;
        }
        // "name: kind, duration, details of each stream".
        QStringList parts{probe.probeKind.isEmpty() ? u"unknown"_s : probe.probeKind, duration};
        for (const QString &stream : probe.description.split(u"-: "_s, Qt::SkipEmptyParts)) {
            QString detail = stream;
            if (detail.startsWith(u": "_s))
                detail.remove(0, 2);
            parts.append(detail);
        }
        printText(stdout, file + u": "_s + parts.join(u", "_s) + u'\n');
    }
    if (json)
        printText(
            stdout, QString::fromUtf8(QJsonDocument(results).toJson(QJsonDocument::Indented)));
    return exitCode;
}
