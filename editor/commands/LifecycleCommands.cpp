#include "LifecycleCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "EditingCommands.h"
#include "EditorState.h"
#include "FileCommands.h"
#include "MediaClass.h"
#include "Texts.h"
#include "UndoHistory.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

LifecycleCommands::LifecycleCommands(
    CommandContext context, FileCommands &files, EditingCommands &editing)
    : m_ctx(context)
    , m_files(files)
    , m_editing(editing)
{ }

void LifecycleCommands::openCommandLine(const QStringList &arguments)
{
    const QString first = arguments.value(0);
    // The first of the three names the text contains anywhere decides.
    static const std::pair<const char16_t *, AlbumType> albumNames[]
        = {{u".pvm", AlbumType::Image}, {u".mum", AlbumType::Music}, {u".ppl", AlbumType::Ppl}};
    for (const auto &[name, type] : albumNames) {
        if (!first.contains(QString::fromUtf16(name), Qt::CaseInsensitive))
            continue;
        // No type dialog asks at this start, so Cancel in a later one only
        // closes it: the editor was started to work on this file.
        m_ctx.state.typeDialogShown = true;
        if (QFileInfo::exists(first))
            m_files.openAs(type, first);
        return; // a missing file: the editor starts without an album
    }
    m_editing.NewAlnummenuClick();
    m_ctx.state.processEvents();
    const UndoHistory::Step step(m_ctx.state, u"Add"_s);
    for (const QString &argument : arguments) {
        if (m_ctx.album.outline().hasRoot() && AcceptsFile(argument, m_ctx.album.albumType())) {
            m_ctx.album.AddMediaFile(argument, false, AlbumDocument::RootTarget);
            m_ctx.state.processEvents();
        }
    }
}

void LifecycleCommands::openFromAnotherStart(const QStringList &arguments)
{
    if (arguments.isEmpty() || m_ctx.album.opening())
        return;
    if (AlbumFiles::typeOfPath(arguments.first()))
        m_files.openFromOutside(arguments.first());
    else if (m_ctx.album.outline().hasRoot() && !m_ctx.state.playing)
        m_editing.dropFiles(arguments);
}

bool LifecycleCommands::FormCloseQuery()
{
    AlbumDocument &album = m_ctx.album;
    if (album.opening()) {
        m_ctx.confirm(text(Texts::OpeningAlbum));
        return false;
    }
    m_ctx.state.stopPlayback();
    m_ctx.state.processEvents();
    if (album.objectCount() == 0)
        return true;
    switch (m_ctx.confirm(text(Texts::SaveBeforeQuestion), UserPrompts::Buttons::YesNoCancel,
        UserPrompts::Icon::Question)) {
    case UserPrompts::Answer::Yes:
        m_ctx.state.saveCompleted = false;
        m_files.SaveAlbummenuClick();
        return m_ctx.state.saveCompleted;
    case UserPrompts::Answer::No:
        return true;
    default:
        return false;
    }
}
