#include "PropertyCommands.h"

#include "AlbumDocument.h"
#include "CommandPrompts.h"
#include "EditorState.h"
#include "MediaClass.h"
#include "MediaProbe.h"
#include "ObjectDialogState.h"
#include "Rounding.h"
#include "Texts.h"
#include "UndoHistory.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

PropertyCommands::PropertyCommands(CommandContext context)
    : m_ctx(context)
{ }

void PropertyCommands::appendError(const char16_t *message, const QString &path) const
{
    m_ctx.prompts.message(text(message) + text(Texts::TwoLineBreaks) + path,
        text(Texts::CaptionAppendError), UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
}

bool PropertyCommands::readable(const QString &path) const
{
    // Opening a FIFO would wait for a writer; only regular files are media.
    if (QFile file(path); QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        return true;
    appendError(Texts::CannotAddFile, path);
    return false;
}

void PropertyCommands::BtnAddBGImageClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Background Image"_s);
    const QStringList chosen = m_ctx.prompts.chooseOpenFiles(
        QString::fromUtf16(FileFilters::BackgroundPicture), false, QString());
    if (chosen.isEmpty() || !readable(chosen.first()))
        return;
    AlbumProperties p = m_ctx.album.properties();
    p.backgroundImage = chosen.first();
    m_ctx.album.setProperties(p);
}

void PropertyCommands::BtnDeleteBGImageClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Delete Background Image"_s);
    AlbumProperties p = m_ctx.album.properties();
    p.backgroundImage.clear();
    m_ctx.album.setProperties(p);
}

void PropertyCommands::mnuAddBGMusic_PCClick()
{
    m_ctx.state.showPage(PageLayout::BackgroundMusicPage);
    const char16_t *filter = m_ctx.album.pplMode() ? FileFilters::PplAudio : FileFilters::Audio;
    addBackgroundMusicFiles(m_ctx.prompts.chooseOpenFiles(
        QString::fromUtf16(filter), m_ctx.state.openMultiple, QString()));
}

void PropertyCommands::addBackgroundMusicFiles(const QStringList &files)
{
    const UndoHistory::Step step(m_ctx.state, u"Background Music"_s);
    for (const QString &file : files) {
        if (m_ctx.album.pplMode() && ClassifyExtension(file) == MediaClass::WaveAudio)
            appendError(Texts::CannotAddType, file);
        else if (readable(file))
            m_ctx.album.AddBackgroundMusic(file);
    }
}

void PropertyCommands::btnDeleteBGMusicClick(int row)
{
    const UndoHistory::Step step(m_ctx.state, u"Delete Background Music"_s);
    AlbumProperties p = m_ctx.album.properties();
    if (row < 0 || size_t(row) >= p.backgroundMusic.size())
        return;
    // A file that no longer probes gives back nothing.
    const double seconds
        = Rounding::parseDecimal(ProbeMedia(p.backgroundMusic[size_t(row)].musicFile).lengthText);
    p.backgroundMusicSeconds -= int(seconds);
    p.backgroundMusic.erase(p.backgroundMusic.begin() + row);
    m_ctx.album.setProperties(p);
    m_ctx.album.setModified(true);
    m_ctx.album.RefreshTotals();
}

void PropertyCommands::Image5Click(int choice)
{
    const UndoHistory::Step step(m_ctx.state, u"Transition"_s);
    const int c = choice >= 0 && choice <= 2 ? choice : 0;
    m_ctx.state.setTransitionChoice(c);
    m_ctx.album.SelectTransitionByName(Transitions::nameOfChoice(c));
    m_ctx.album.ApplyAlbumTransition();
}

void PropertyCommands::mnuPropertyClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Properties"_s);
    AlbumDocument &album = m_ctx.album;
    if (album.objectCount() == 0)
        return;
    if (album.currentObject() < 0)
        album.setCurrentObject(0);
    ObjectDialogState dialog(album, album.currentObject());
    if (m_ctx.prompts.editObject(dialog))
        dialog.BtnOKClick(album, m_ctx.state);
}

void PropertyCommands::RepeatCheckClick(bool checked)
{
    const UndoHistory::Step step(m_ctx.state, u"Repeat"_s);
    AlbumDocument &album = m_ctx.album;
    if (album.objectCount() == 0)
        return;
    if (album.currentObject() < 0)
        album.setCurrentObject(0);
    AlbumObject o = album.object(album.currentObject());
    if (o.kind != ObjectKind::AudioWithStill || o.repeatMembers == checked)
        return;
    o.repeatMembers = checked;
    album.updateObject(album.currentObject(), o);
    album.setModified(true);
}
