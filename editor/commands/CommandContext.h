#pragma once

#include "UserPrompts.h"

class AlbumDocument;
class CommandPrompts;
class EditorState;

// What every command works on: the album, the dialogs, the window's state.
struct CommandContext
{
    AlbumDocument &album;
    CommandPrompts &prompts;
    EditorState &state;

    // A message box with the caption "Confirm".
    UserPrompts::Answer confirm(const QString &text,
        UserPrompts::Buttons buttons = UserPrompts::Buttons::Ok,
        UserPrompts::Icon icon = UserPrompts::Icon::None) const;
    // "Confirm" with Yes and No and the question icon; true for Yes.
    bool askYesNo(const QString &text) const;
    // While an album is still being read, a command that takes the whole
    // album (save, export, render, the slideshow) says so and does not run:
    // it would see only the objects read so far. True when it refused.
    bool refusedWhileOpening() const;
};

// A text of the table as a QString.
inline QString text(const char16_t *utf16)
{
    return QString::fromUtf16(utf16);
}
