#include "RenderCommand.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "ConsolePrompts.h"
#include "EditorState.h"
#include "Texts.h"
#include "VideoExportCommands.h"
#include "VideoRenderer.h"

#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr char16_t Usage[]
    = u"usage: quillan-tool render ALBUM -o OUT.mp4 [--size WxH] [--fps N] [--crf N]";

int fail(const QString &message, int code)
{
    printText(stderr, u"quillan-tool: "_s + message + u'\n');
    return code;
}

// A whole number within the bounds; nothing otherwise.
std::optional<int> number(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= low && value <= high ? std::optional(value) : std::nullopt;
}

} // namespace

int runRenderCommand(const QStringList &arguments)
{
    QStringList args = arguments;
    QHash<QString, QString> options;
    for (const QString &option : {u"-o"_s, u"--size"_s, u"--fps"_s, u"--crf"_s}) {
        const qsizetype at = args.indexOf(option);
        if (at < 0)
            continue;
        if (at + 1 >= args.size())
            return fail(QString::fromUtf16(Usage), 2);
        options[option] = args.at(at + 1);
        args.remove(at, 2);
    }
    const QString out = options.value(u"-o"_s);
    if (args.size() != 1 || out.isEmpty() || args.first().startsWith(u'-'))
        return fail(QString::fromUtf16(Usage), 2);
    if (VideoRenderer::containerOf(out).isEmpty())
        return fail(out + u": a video file name ends in .mp4, .mkv or .webm"_s, 2);

    VideoFormat format;
    if (options.contains(u"--size"_s)) {
        const auto match
            = QRegularExpression(u"^(\\d+)x(\\d+)$"_s).match(options.value(u"--size"_s));
        const auto width = number(match.captured(1), 16, 7680);
        const auto height = number(match.captured(2), 16, 4320);
        if (!match.hasMatch() || !width || !height || *width % 2 || *height % 2)
            return fail(u"--size takes an even WIDTHxHEIGHT, for example 1280x720"_s, 2);
        format.size = QSize(*width, *height);
    }
    if (options.contains(u"--fps"_s)) {
        const auto fps = number(options.value(u"--fps"_s), 1, 60);
        if (!fps)
            return fail(u"--fps takes a frame rate from 1 to 60"_s, 2);
        format.fps = *fps;
    }
    if (options.contains(u"--crf"_s)) {
        const auto crf = number(options.value(u"--crf"_s), 0, 51);
        if (!crf)
            return fail(u"--crf takes a quality from 0 (best) to 51"_s, 2);
        format.crf = *crf;
    }

    const QString &in = args.first();
    const auto type = AlbumFiles::typeOfPath(in);
    if (!type)
        return fail(u"not an album file (.pvm, .mum or .ppl): "_s + in, 1);
    if (const QString why = notARegularFile(in); !why.isEmpty())
        return fail(why, 1);
    ConsolePrompts prompts(true);
    AlbumDocument album(prompts);
    album.setAlbumType(*type);
    if (!AlbumFiles::read(album, in, {}))
        return 1;
    EditorState state;
    VideoExportCommands video({album, prompts, state});
    return video.exportVideo(out, format) ? 0 : 1;
}
