#include "SlideCommands.h"

#include "AlbumDocument.h"
#include "EditorState.h"
#include "Texts.h"

SlideCommands::SlideCommands(CommandContext context)
    : m_ctx(context)
{ }

bool SlideCommands::mayStart()
{
    if (m_ctx.state.playing || m_ctx.refusedWhileOpening())
        return false;
    m_ctx.state.stopPlayback();
    if (m_ctx.album.objectCount() == 0) {
        m_ctx.confirm(
            text(Texts::NotEnoughToPlay), UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
        return false;
    }
    return true;
}

std::optional<SlideCommands::Start> SlideCommands::firstslideClick()
{
    if (!mayStart())
        return std::nullopt;
    return Start{0, 0};
}

std::optional<SlideCommands::Start> SlideCommands::CurrentMenuClick()
{
    if (!mayStart())
        return std::nullopt;
    const AlbumDocument &album = m_ctx.album;
    return Start{std::clamp(album.currentObject(), 0, album.objectCount() - 1),
        std::max(album.currentMemberIndex(), 0)};
}
