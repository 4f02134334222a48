#include "VideoExportCommands.h"

#include "AlbumDocument.h"
#include "CommandPrompts.h"
#include "EditorSettings.h"
#include "EditorState.h"
#include "SlideshowSchedule.h"
#include "VideoRenderer.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr qsizetype ListedAtMost = 10;
constexpr char16_t NothingToShow[] = u"There is nothing in this album to put into a video: its "
                                     u"objects are links to other albums or media that cannot "
                                     u"be found.";

bool showsSomething(const AlbumDocument &album)
{
    for (int i = 0; i < album.objectCount(); ++i) {
        const ObjectKind kind = album.object(i).kind;
        if (kind != ObjectKind::ManifestLink && kind != ObjectKind::ManifestLinkAsRead
            && kind != ObjectKind::None)
            return true;
    }
    return false;
}

// The media the album names that are not there (the slideshow shows nothing
// new for them), then those the schedule could not play.
QStringList leftOut(const AlbumDocument &album, const SlideshowSchedule &schedule)
{
    QStringList files;
    const auto note = [&files](const QString &file) {
        if (!file.isEmpty() && !files.contains(file) && !QFileInfo(file).isFile())
            files.append(file);
    };
    for (int i = 0; i < album.objectCount(); ++i) {
        const AlbumObject &o = album.object(i);
        if (o.kind == ObjectKind::ManifestLink || o.kind == ObjectKind::ManifestLinkAsRead)
            continue;
        note(o.mainFile);
        for (const QString &member : o.memberFiles)
            note(member);
    }
    for (const QString &file : schedule.skipped) {
        if (!files.contains(file))
            files.append(file);
    }
    return files;
}

QString listed(const QStringList &files)
{
    QString text;
    for (qsizetype i = 0; i < std::min(ListedAtMost, files.size()); ++i)
        text += u"\n"_s + files[i];
    if (files.size() > ListedAtMost)
        text += u"\n..."_s;
    return text;
}

} // namespace

VideoExportCommands::VideoExportCommands(CommandContext context)
    : m_ctx(context)
{ }

bool VideoExportCommands::available(const CommandContext &context)
{
    return context.album.objectCount() > 0 && !context.state.playing;
}

QList<QSize> VideoExportCommands::offeredSizes(QSize playerScreen)
{
    QList<QSize> sizes{{1280, 720}, {1920, 1080}, {640, 480}};
    // The encoders take even sizes: an odd screen loses its last line.
    const QSize even(playerScreen.width() & ~1, playerScreen.height() & ~1);
    if (even.width() >= 16 && even.height() >= 16 && !sizes.contains(even))
        sizes.append(even);
    return sizes;
}

QString VideoExportCommands::askVideoName()
{
    const QString suggested = QFileInfo(m_ctx.album.fileName()).completeBaseName() + u".mp4"_s;
    for (;;) {
        QString path = m_ctx.prompts.chooseSaveFile(
            u"MP4 Video (*.mp4)|*.mp4|Matroska Video (*.mkv)|*.mkv|WebM Video (*.webm)|*.webm|"_s,
            u".mp4"_s, suggested);
        if (path.isEmpty())
            return {};
        if (QFileInfo(path).suffix().isEmpty())
            path += u".mp4"_s;
        if (VideoRenderer::containerOf(path).isEmpty()) {
            m_ctx.confirm(u"A video file name ends in .mp4, .mkv or .webm:\n\n"_s + path,
                UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
            continue;
        }
        if (!QFileInfo::exists(path)
            || m_ctx.askYesNo(path + u"\n\nThis file already exists. Do you want to replace it?"_s))
            return path;
    }
}

void VideoExportCommands::mnuExport_VideoClick()
{
    if (!available(m_ctx) || m_ctx.refusedWhileOpening())
        return;
    if (!showsSomething(m_ctx.album)) {
        m_ctx.confirm(text(NothingToShow), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        return;
    }
    const QString path = askVideoName();
    if (path.isEmpty())
        return;
    const auto format = m_ctx.prompts.chooseVideoFormat(
        {offeredSizes(EditorSettings::playerScreen()), EditorSettings::readVideoFormat()});
    if (!format)
        return;
    EditorSettings::writeVideoFormat(*format);
    exportVideo(path, *format);
}

bool VideoExportCommands::exportVideo(const QString &path, const VideoFormat &format)
{
    RenderJob job{{}, format, path};
    m_ctx.state.busyCursor(true);
    job.schedule = SlideshowSchedule::of(m_ctx.album, &VideoRenderer::lengthOf);
    m_ctx.state.busyCursor(false);
    const SlideshowSchedule &schedule = job.schedule;
    if (schedule.pictures.isEmpty() && schedule.videos.isEmpty() && schedule.sounds.isEmpty()) {
        m_ctx.confirm(text(NothingToShow), UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
        return false;
    }
    if (const QStringList missing = leftOut(m_ctx.album, schedule); !missing.isEmpty()) {
        m_ctx.confirm(u"These media files cannot be found or played and are left out of the "
                      u"video:\n"_s
                + listed(missing),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    }
    const VideoRenderer::Outcome outcome = m_ctx.prompts.runRender(job);
    switch (outcome.result) {
    case VideoRenderer::Result::Done:
        m_ctx.confirm(u"The video was written:\n\n"_s + path, UserPrompts::Buttons::Ok,
            UserPrompts::Icon::Information);
        return true;
    case VideoRenderer::Result::Cancelled:
        return false;
    case VideoRenderer::Result::Failed:
        break;
    }
    m_ctx.confirm(u"The video could not be written.\n\n"_s + outcome.error,
        UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
    return false;
}
