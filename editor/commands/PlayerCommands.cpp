#include "PlayerCommands.h"

#include "AlbumDocument.h"
#include "CommandPrompts.h"
#include "DeviceSelection.h"
#include "Duration.h"
#include "EditorState.h"
#include "ExportLayout.h"
#include "FileCommands.h"
#include "MediaProbe.h"
#include "PlayerDeletion.h"
#include "PlayerRefresh.h"
#include "RemovableMounts.h"
#include "Rounding.h"
#include "Texts.h"
#include "UndoHistory.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Retries = 5;
constexpr int RetryPauseMs = 1000;

} // namespace

PlayerCommands::PlayerCommands(CommandContext context, FileCommands &files)
    : removableMounts([] { return RemovableMounts::list(); })
    , wait([](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    })
    , m_ctx(context)
    , m_files(files)
{ }

QString PlayerCommands::reachFolder(const QString &root, const QString &relative) const
{
    for (int attempt = 0; attempt <= Retries; ++attempt) {
        if (attempt > 0)
            wait(RetryPauseMs);
        const QString folder = existingSpelling(root, relative);
        if (QFileInfo(folder).isDir())
            return folder;
    }
    m_ctx.confirm(
        text(Texts::DeviceNotConnected), UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
    // The chooser still opens, on a folder that lists nothing until the
    // player is back.
    return existingSpelling(root, relative);
}

std::optional<DeviceSelection::Chosen> PlayerCommands::choosePlayer(
    DeviceSelection::Purpose purpose) const
{
    DeviceSelection devices(m_ctx);
    devices.removableMounts = removableMounts;
    return devices.select(purpose);
}

void PlayerCommands::mnuAlbum_ImportClick()
{
    const auto chosen = choosePlayer(DeviceSelection::Purpose::Open);
    if (!chosen)
        return;
    m_files.openFromPlayer(
        [&] {
            PlayerFilesRequest request;
            request.mode = PlayerFilesRequest::Mode::Open;
            request.caption = u"Open album from Device"_s;
            request.folder = reachFolder(chosen->root, u"System/PhotoList"_s);
            request.masks = QStringList{u"*.ppl"_s};
            return m_ctx.prompts.choosePlayerFiles(request).value(0);
        },
        chosen->root);
}

bool PlayerCommands::deleteAlbums(
    const QStringList &albums, bool images, bool audio, const QString &root)
{
    if (albums.isEmpty() || !m_ctx.askYesNo(text(Texts::DeleteAlbumQuestion)))
        return false;
    const PlayerDeletion plan = PlayerDeletion::plan(albums, images, audio, root);
    m_ctx.prompts.runDeletes(
        plan.files, [&root](const QString &file) { PlayerDeletion::remove(file, root); });
    if (!plan.refused.isEmpty())
        m_ctx.confirm(u"These files lie outside the player and were not deleted:"_s
                + text(Texts::TwoLineBreaks) + plan.refused.join(u"\r\n"_s),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    return true;
}

void PlayerCommands::MnuDeleteAlbumClick()
{
    const auto chosen = choosePlayer(DeviceSelection::Purpose::Delete);
    if (!chosen)
        return;
    bool deleted = false;
    PlayerFilesRequest request;
    request.mode = PlayerFilesRequest::Mode::Delete;
    request.caption = u"Delete album in Device"_s;
    request.folder = reachFolder(chosen->root, u"System/PhotoList"_s);
    request.masks = QStringList{u"*.ppl"_s};
    request.deleteFiles = [&](const QStringList &files, bool images, bool audio) {
        deleted = deleteAlbums(files, images, audio, chosen->root) || deleted;
    };
    m_ctx.prompts.choosePlayerFiles(request);
    if (deleted)
        refreshMusicDatabase(m_ctx);
    // Opening an album from the player is what sets it; the delete command
    // leaves it cleared whatever it was.
    m_ctx.album.setOpenedFromPlayer(false);
    m_files.UpdateSaveCommands();
}

void PlayerCommands::addPlayerMusic(const QStringList &files)
{
    const UndoHistory::Step step(m_ctx.state, u"Background Music"_s);
    AlbumDocument &album = m_ctx.album;
    AlbumProperties p = album.properties();
    for (const QString &file : files) {
        const MediaProbeResult probe = ProbeMedia(file);
        BackgroundMusicEntry entry;
        entry.musicFile = file;
        entry.source = text(Texts::DeviceSource);
        if (probe.lengthText != u"0") {
            entry.durationText = FormatDuration(probe.lengthText);
            p.backgroundMusicSeconds += int(Rounding::parseDecimal(probe.lengthText));
        } else {
            entry.durationText = text(Texts::DeviceDuration);
        }
        p.backgroundMusic.push_back(entry);
    }
    if (files.isEmpty())
        return;
    album.setProperties(p);
    album.setModified(true);
    album.RefreshTotals();
}

void PlayerCommands::mnuAddBGMusic_DeviceClick()
{
    const auto chosen = choosePlayer(DeviceSelection::Purpose::Music);
    if (!chosen)
        return;
    PlayerFilesRequest request;
    request.mode = PlayerFilesRequest::Mode::Music;
    request.caption = u"Add Music from Device"_s;
    request.folder = reachFolder(chosen->root, u"System/Music"_s);
    request.masks = QStringList{u"*.mp3"_s, u"*.wma"_s};
    addPlayerMusic(m_ctx.prompts.choosePlayerFiles(request));
}
