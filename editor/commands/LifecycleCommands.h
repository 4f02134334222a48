#pragma once

#include "CommandContext.h"

#include <QStringList>

class EditingCommands;
class FileCommands;

// What the window does with its command line when first shown, and the
// question it asks before it closes.
class LifecycleCommands
{
public:
    LifecycleCommands(CommandContext context, FileCommands &files, EditingCommands &editing);

    // An album file as first argument is opened (the type from its name);
    // anything else starts a new album and adds each accepted file.
    void openCommandLine(const QStringList &arguments);
    // The arguments of a later start of the editor (a double click in the
    // file manager while it runs): an album file is opened here, after the
    // save question; media files are added as if dropped.
    void openFromAnotherStart(const QStringList &arguments);
    // FormCloseQuery: true when the window may close.
    bool FormCloseQuery();

private:
    CommandContext m_ctx;
    FileCommands &m_files;
    EditingCommands &m_editing;
};
