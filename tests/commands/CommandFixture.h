#pragma once

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "EditingCommands.h"
#include "EditorState.h"
#include "FileCommands.h"
#include "PlayerCommands.h"
#include "PropertyCommands.h"
#include "ScriptedPrompts.h"
#include "TestMedia.h"

// An editor without its window: the album, scripted dialogs, the commands.
struct CommandFixture
{
    ScriptedPrompts prompts;
    AlbumDocument album{prompts};
    EditorState state;
    CommandContext context{album, prompts, state};
    FileCommands files{context};
    EditingCommands editing{context, files};
    PropertyCommands properties{context};
    PlayerCommands player{context, files};
    MediaCopies media;

    // New album of the given type (0 image, 1 music, 2 PPL), answered OK.
    void newAlbum(int choice)
    {
        prompts.typeAnswers.append(choice);
        editing.NewAlnummenuClick();
        prompts.clear();
    }
    // Adds files through the Add image command (or another add command).
    void add(void (EditingCommands::*command)(), const QStringList &files)
    {
        prompts.openAnswers.append(files);
        (editing.*command)();
    }
};
