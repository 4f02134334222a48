#pragma once

#include "CommandContext.h"

#include <optional>

// Slide From First and Slide From Current: where the full-screen slideshow
// starts, or nothing when it does not (while playing, or with an empty
// album, which says "Not enough file to play.").
class SlideCommands
{
public:
    struct Start
    {
        int object = 0;
        int member = 0;
    };

    explicit SlideCommands(CommandContext context);

    std::optional<Start> firstslideClick();
    std::optional<Start> CurrentMenuClick();

private:
    bool mayStart();

    CommandContext m_ctx;
};
