#include "CommandContext.h"

#include "AlbumDocument.h"
#include "CommandPrompts.h"
#include "Texts.h"

UserPrompts::Answer CommandContext::confirm(
    const QString &message, UserPrompts::Buttons buttons, UserPrompts::Icon icon) const
{
    return prompts.message(message, text(Texts::CaptionConfirm), buttons, icon);
}

bool CommandContext::askYesNo(const QString &message) const
{
    return confirm(message, UserPrompts::Buttons::YesNo, UserPrompts::Icon::Question)
        == UserPrompts::Answer::Yes;
}

bool CommandContext::refusedWhileOpening() const
{
    if (!album.opening())
        return false;
    confirm(text(Texts::OpeningAlbum));
    return true;
}
