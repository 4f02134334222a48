#pragma once

#include "CopyEngine.h"
#include "UserPrompts.h"

#include <QStringList>

class ObjectDialogState;

// The dialogs the commands open, beside the message boxes. The window shows
// real dialogs; tests script the answers.
class CommandPrompts : public UserPrompts
{
public:
    // The shared open dialog with a "description|patterns|" filter; the
    // chosen files in the dialog's order, empty when cancelled.
    virtual QStringList chooseOpenFiles(const QString &filter, bool multiple, const QString &title)
        = 0;
    // The save dialog; the name the user confirmed, empty when cancelled. The
    // commands check the name and ask again while they refuse it, which is
    // the dialog staying open.
    virtual QString chooseSaveFile(
        const QString &filter, const QString &defaultSuffix, const QString &suggestedName)
        = 0;
    // The album type dialog: the choice clicked last (0 image, 1 music,
    // 2 PPL), or -1 for Cancel.
    virtual int chooseAlbumType() = 0;
    // The object property dialog over its working state; true for OK.
    virtual bool editObject(ObjectDialogState &state) = 0;
    // The overwrite dialog before a copy replaces `target`.
    using Overwrite = ::Overwrite;
    virtual Overwrite askOverwrite(const QString &target) = 0;
    // Copies an export's files with the copy window, asking askOverwrite()
    // before a file is replaced. Headless prompts copy in place.
    virtual CopyOutcome runCopies(const std::vector<CopyJob> &jobs)
    {
        return CopyEngine::run(
            jobs, {[this](const QString &target) { return askOverwrite(target); }, {}, {}});
    }
};
