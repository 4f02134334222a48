#include "EditingCommands.h"

#include "AlbumDocument.h"
#include "AlbumReset.h"
#include "CommandPrompts.h"
#include "Duration.h"
#include "EditorState.h"
#include "FileCommands.h"
#include "MediaBatch.h"
#include "MediaClass.h"
#include "StandardPictures.h"
#include "Texts.h"
#include "UndoHistory.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

EditingCommands::EditingCommands(CommandContext context, FileCommands &files)
    : m_ctx(context)
    , m_files(files)
{ }

QStringList EditingCommands::chooseFiles(const QString &filter, bool multiple, const QString &title)
{
    m_ctx.state.openMultiple = multiple;
    return m_ctx.prompts.chooseOpenFiles(filter, multiple, title);
}

void EditingCommands::selectCurrentOrFirst()
{
    const int current = m_ctx.album.currentObject();
    m_ctx.state.selectObject(current >= 0 ? current : 0, 0);
}

void EditingCommands::addPrepared(
    const QStringList &files, const std::function<bool(const QString &)> &add)
{
    PreparedMedia prepared;
    // Cancelled: the files prepared before it are added all the same.
    const qsizetype ready = MediaBatch::prepare(files, m_ctx.state, prepared);
    m_ctx.album.setPrepared(&prepared);
    for (qsizetype i = 0; i < ready && add(files[i]); ++i) { }
    m_ctx.album.setPrepared(nullptr);
}

void EditingCommands::addObjects(const QStringList &files)
{
    addPrepared(files, [this](const QString &file) {
        if (!m_ctx.album.outline().hasRoot())
            return false;
        m_ctx.album.AddMediaFile(file, false, AlbumDocument::RootTarget);
        m_ctx.state.processEvents();
        m_ctx.album.CheckLastObject();
        return true;
    });
}

void EditingCommands::addObjectsBusy(const QStringList &files)
{
    if (files.isEmpty())
        return;
    {
        const EditorState::Busy busy(m_ctx.state);
        addObjects(files);
    }
    selectCurrentOrFirst();
}

void EditingCommands::NewAlnummenuClick()
{
    AlbumDocument &album = m_ctx.album;
    EditorState &state = m_ctx.state;
    state.stopPlayback();
    bool askedToSave = false;
    if (album.objectCount() > 0 && album.modified()) {
        askedToSave = true;
        if (m_ctx.askYesNo(text(Texts::SaveBeforeQuestion))) {
            if (album.openedFromPlayer())
                state.exportToDevice();
            else
                m_files.SaveAlbummenuClick();
            state.processEvents();
        }
    }
    // Cancel in the very first type dialog ends the editor.
    const bool quitMode = !askedToSave && !state.typeDialogShown;
    const int choice = m_ctx.prompts.chooseAlbumType();
    state.typeDialogShown = true;
    if (choice < 0) {
        state.quitRequested = quitMode;
        return;
    }
    const AlbumType type = choice == 1 ? AlbumType::Music
        : choice == 2                  ? AlbumType::Ppl
                                       : AlbumType::Image;
    album.setAlbumType(type);
    album.ClearAlbum(text(Texts::RootNewAlbum));
    album.setOpenedFromPlayer(false);
    m_files.UpdateSaveCommands();
    state.applyAlbumType(type, askedToSave);
    ResetAlbumProperties(m_ctx);
    album.SelectTransitionByName(text(Transitions::AlphaBlend));
    state.setTransitionChoice(0);
    state.clearPreview();
    album.setUntitled();
    m_files.updateCaption();
    album.setModified(false);
}

void EditingCommands::moviemenuClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Add Movie"_s);
    if (m_ctx.state.playing)
        return;
    addObjects(chooseFiles(QString::fromUtf16(FileFilters::Video), true));
}

void EditingCommands::ImageMenuClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Add Image"_s);
    if (m_ctx.state.playing)
        return;
    addObjectsBusy(chooseFiles(QString::fromUtf16(FileFilters::Photos), true));
}

void EditingCommands::audiomenuClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Add Music"_s);
    if (m_ctx.state.playing)
        return;
    const char16_t *filter = m_ctx.album.pplMode() ? FileFilters::PplAudio : FileFilters::Audio;
    addObjectsBusy(chooseFiles(QString::fromUtf16(filter), true));
}

void EditingCommands::addAlbumLink(const QString &path)
{
    AlbumDocument &album = m_ctx.album;
    const int number = album.objectCount() + 1;
    const QString still = QString::number(album.properties().defaultStillSeconds);
    OutlineNode entry{QString::number(number) + u':' + fileNameOf(path), {}};
    for (const QString &field : {QString::number(number), FormatDuration(still),
             text(Transitions::AlphaBlend), u"Album"_s, path})
        entry.add(field);
    AlbumObject link;
    link.kind = ObjectKind::ManifestLink;
    link.mainFile = path;
    link.durationSeconds = still;
    link.imageCaption = fileNameOf(path);
    link.thumbnail = StandardPictures::albumLink();
    album.appendObject(link, std::move(entry));
}

void EditingCommands::albumAddClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Add Album"_s);
    if (m_ctx.state.playing || m_ctx.album.pplMode())
        return;
    const QStringList files = m_ctx.prompts.chooseOpenFiles(
        QString::fromUtf16(FileFilters::ImageAlbums), m_ctx.state.openMultiple, QString());
    for (const QString &file : files) {
        if (!m_ctx.album.outline().hasRoot())
            break;
        addAlbumLink(file);
        m_ctx.state.processEvents();
        m_ctx.album.CheckLastObject();
        m_ctx.album.setModified(true);
    }
    m_ctx.album.RefreshTotals();
}

void EditingCommands::AddAudioClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Append Audio"_s);
    AlbumDocument &album = m_ctx.album;
    const int index = album.currentObject();
    if (m_ctx.state.playing || index < 0 || index >= album.objectCount())
        return;
    const AppendClass append
        = AppendClassOf(AlbumOutline::field(album.outline().entry(index), AlbumOutline::KindField));
    QString filter;
    switch (append) {
    case AppendClass::Full:
        m_ctx.confirm(text(Texts::NoMoreAppend));
        return;
    case AppendClass::Sequence:
        return;
    case AppendClass::Music:
        filter = QString::fromUtf16(FileFilters::Photos);
        break;
    case AppendClass::Photo:
        filter = QString::fromUtf16(album.pplMode() ? FileFilters::PplAudio : FileFilters::Audio);
        break;
    }
    const QStringList files = chooseFiles(filter, false);
    if (files.isEmpty())
        return;
    album.AddMediaFile(files.first(), true, index);
    album.CheckLastObject();
    album.setModified(true);
}

void EditingCommands::MovieAddMenuClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Append Image"_s);
    AlbumDocument &album = m_ctx.album;
    const int index = album.currentObject();
    if (m_ctx.state.playing || index < 0 || index >= album.objectCount())
        return;
    // Photos go only to music: any other object would turn into a music
    // object whose "music" is a photo.
    const ObjectKind kind = album.object(index).kind;
    if (kind != ObjectKind::Audio && kind != ObjectKind::AudioWithStill)
        return;
    const QStringList photos = chooseFiles(QString::fromUtf16(FileFilters::Photos), true);
    if (photos.size() == 1) {
        album.AddMediaFile(photos.first(), true, index);
    } else if (photos.size() > 1) {
        OutlineNode &entry = album.outline().entry(index);
        AlbumOutline::setField(
            entry, AlbumOutline::KindField, u"Image-Audio:"_s + QString::number(photos.size() + 1));
        const QString folder = QFileInfo(photos.first()).absolutePath() + u'/';
        AlbumOutline::setField(entry, AlbumOutline::PathField,
            folder + u'-' + AlbumOutline::field(entry, AlbumOutline::PathField));
        AlbumObject o = album.object(index);
        o.kind = ObjectKind::AudioWithStill;
        o.imageCaption = fileNameOf(photos.first());
        album.updateObject(index, o);
        for (const QString &photo : photos) {
            album.AddMediaFile(photo, false, index);
            m_ctx.state.processEvents();
        }
    }
    album.setModified(true);
    m_ctx.state.selectObject(index, 0);
}

void EditingCommands::DelMenuClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Delete"_s);
    AlbumDocument &album = m_ctx.album;
    const int index = album.currentObject();
    if (m_ctx.state.playing || index < 0 || index >= album.objectCount())
        return;
    if (!m_ctx.askYesNo(text(Texts::DeleteObjectQuestion)))
        return;
    album.RemoveObjectAt(index);
    m_ctx.state.clearPreview();
    album.setModified(true);
    const int count = album.objectCount();
    if (count > 0) {
        const int next = index < count - 1 ? index : count - 1;
        album.setCurrentObject(next);
        m_ctx.state.selectObject(next, 3);
    }
}

void EditingCommands::mnuDeleteListAllClick()
{
    const UndoHistory::Step step(m_ctx.state, u"Delete All"_s);
    AlbumDocument &album = m_ctx.album;
    if (album.objectCount() == 0 || !m_ctx.askYesNo(text(Texts::DeleteAllQuestion)))
        return;
    album.ClearAlbum(text(Texts::RootNewAlbum));
    album.RefreshTotals();
    m_ctx.state.clearPreview();
    album.setCurrentObject(-1);
    album.setCurrentMemberIndex(-1);
    album.setModified(true);
}

void EditingCommands::dropFiles(const QStringList &files)
{
    const UndoHistory::Step step(m_ctx.state, u"Drop"_s);
    QStringList accepted;
    for (const QString &file : files) {
        if (file.size() <= 255 && AcceptsFile(file, m_ctx.album.albumType()))
            accepted.append(file);
    }
    {
        const EditorState::Busy busy(m_ctx.state);
        addPrepared(accepted, [this](const QString &file) {
            m_ctx.album.AddMediaFile(file, false, AlbumDocument::RootTarget);
            return true;
        });
    }
    selectCurrentOrFirst();
}
