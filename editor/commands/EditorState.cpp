#include "EditorState.h"

EditorState::EditorState(QObject *parent)
    : QObject(parent)
{ }

void EditorState::setCaption(const QString &caption)
{
    m_caption = caption;
    Q_EMIT changed();
}

void EditorState::setSaveCommandsEnabled(bool enabled)
{
    m_saveCommandsEnabled = enabled;
    Q_EMIT changed();
}

void EditorState::setTransitionChoice(int choice)
{
    m_transitionChoice = choice;
    Q_EMIT changed();
}

void EditorState::applyAlbumType(AlbumType type, bool afterSaveQuestion)
{
    m_browserMask = ::browserMask(type, afterSaveQuestion);
    m_typeLabel = albumTypeLabel(type);
    m_commands = ApplyAlbumTypeCommands(type);
    m_pages = ApplyAlbumTypePages(type);
    Q_EMIT changed();
    Q_EMIT activePageRequested();
}

void EditorState::showPage(PageLayout::Page page)
{
    m_pages.activePage = page;
    Q_EMIT changed();
    Q_EMIT activePageRequested();
}

CommandAvailability EditorState::enabledCommands() const
{
    CommandAvailability c = m_commands;
    if (!m_editingEnabled) {
        c.addMovie = c.addImage = c.addMusic = c.addAlbum = false;
        c.addMusicButton = c.deleteObjects = false;
    }
    return c;
}

void EditorState::SetEditingEnabled(bool enabled)
{
    if (m_editingEnabled == enabled)
        return;
    m_editingEnabled = enabled;
    Q_EMIT changed();
}
