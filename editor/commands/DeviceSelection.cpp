#include "DeviceSelection.h"

#include "CommandPrompts.h"
#include "ConnectorRun.h"
#include "DeviceStatusFile.h"
#include "EditorState.h"
#include "ExportLog.h"
#include "RemovableMounts.h"
#include "Texts.h"

#include <QFile>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

namespace {

QString bannerOf(DeviceSelection::Purpose purpose)
{
    switch (purpose) {
    case DeviceSelection::Purpose::Export:
        return u"Select device to save album"_s;
    case DeviceSelection::Purpose::Delete:
        return u"Select device to delete album"_s;
    case DeviceSelection::Purpose::Open:
        return u"Select device to open album"_s;
    case DeviceSelection::Purpose::Music:
        break;
    }
    return u"Select device"_s;
}

} // namespace

DeviceSelection::DeviceSelection(CommandContext context)
    : removableMounts([] { return RemovableMounts::list(); })
    , m_ctx(context)
{ }

std::optional<DeviceChoice> DeviceSelection::findPlayers() const
{
    const auto error = [this](const QString &text) {
        m_ctx.confirm(text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
        return std::nullopt;
    };
    const QString statusPath = DeviceStatusFile::path();
    // An old file would be read as this run's findings.
    QFile old(statusPath);
    if (old.exists() && !old.remove())
        return error(u"The device status file "_s + statusPath + u" could not be deleted: "_s
            + old.errorString());
    std::optional<ConnectorRun::Failure> failure;
    {
        const EditorState::Busy busy(m_ctx.state);
        failure = ConnectorRun::run(m_ctx.state.programFolder, u"-GETCONNECT"_s);
    }
    // A connector that never ran found no player, as the status file it
    // did not write says; why it did not run goes to the log.
    if (failure && failure->notStarted) {
        qCWarning(lcExport) << failure->text;
        return error(text(Texts::DeviceNotConnected));
    }
    if (failure)
        return error(failure->text);
    DeviceChoice choice
        = DeviceChoice::fromStatus(DeviceStatusFile::read(statusPath), removableMounts());
    if (!choice.message.isEmpty())
        return error(choice.message);
    return choice;
}

std::optional<DeviceSelection::Chosen> DeviceSelection::select(
    Purpose purpose, const QString &albumName)
{
    const std::optional<DeviceChoice> players = findPlayers();
    if (!players)
        return std::nullopt;
    DeviceRequest request;
    request.banner = bannerOf(purpose);
    request.albumNameRow = purpose == Purpose::Export;
    request.albumName = albumName;
    request.entries = players->entries;
    // Refusals are shown over the dialog, which stays open.
    request.accepts = [this, &request](const DeviceAnswer &answer) {
        const auto &entries = request.entries;
        const DeviceChoice::Entry &entry
            = entries[size_t(std::clamp(answer.entry, 0, int(entries.size()) - 1))];
        if (entry.root().isEmpty()) {
            m_ctx.confirm(u"No drive was found for "_s + entry.name + u'.',
                UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
            return false;
        }
        if (request.albumNameRow) {
            if (const auto refusal = DeviceChoice::albumNameRefusal(answer.albumName)) {
                m_ctx.confirm(*refusal, UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
                return false;
            }
        }
        return true;
    };
    const std::optional<DeviceAnswer> answer = m_ctx.prompts.chooseDevice(request);
    if (!answer || request.entries.empty())
        return std::nullopt;
    const DeviceChoice::Entry &entry
        = request.entries[size_t(std::clamp(answer->entry, 0, int(request.entries.size()) - 1))];
    if (entry.root().isEmpty())
        return std::nullopt;
    m_ctx.state.playerRoot = entry.root();
    return Chosen{entry.root(), entry.name, answer->albumName, QStorageInfo(entry.root()).device()};
}
