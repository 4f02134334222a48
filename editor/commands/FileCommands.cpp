#include "FileCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "AlbumReset.h"
#include "CommandPrompts.h"
#include "EditorState.h"
#include "MediaBatch.h"
#include "MediaClass.h"
#include "MissingMedia.h"
#include "RecentAlbums.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

FileCommands::FileCommands(CommandContext context)
    : m_ctx(context)
{ }

void FileCommands::updateCaption()
{
    m_ctx.state.setCaption(text(Texts::WindowCaptionPrefix) + m_ctx.album.fileName());
}

void FileCommands::UpdateSaveCommands()
{
    m_ctx.state.setSaveCommandsEnabled(!m_ctx.album.openedFromPlayer());
}

bool FileCommands::checkSaveName(const QString &path) const
{
    if (QFileInfo::exists(path))
        return m_ctx.askYesNo(text(Texts::SameNameQuestion));
    static const QString forbidden = u"<>*?\\|:"_s;
    // The dialog gives a native path: a backslash is part of the name here.
    const QString name = QFileInfo(path).fileName();
    if (std::any_of(name.cbegin(), name.cend(), [](QChar c) { return forbidden.contains(c); })) {
        m_ctx.confirm(
            text(Texts::ForbiddenCharacters), UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
        return false;
    }
    return true;
}

QString FileCommands::askSaveName(const QString &suggestedName)
{
    const AlbumType type = m_ctx.album.albumType();
    while (true) {
        QString path = m_ctx.prompts.chooseSaveFile(FileFilters::albumFilter(type),
            FileFilters::albumExtension(type),
            suggestedName.isNull() ? m_ctx.album.fileName() : suggestedName);
        if (path.isEmpty())
            return {};
        if (fileExtension(path).isEmpty())
            path += FileFilters::albumExtension(type);
        if (checkSaveName(path))
            return path;
    }
}

bool FileCommands::writeTo(const QString &path)
{
    // Writing an album that opened incomplete over its own file would drop
    // the entries that could not be found; another file loses nothing.
    const QStringList &missing = m_ctx.album.missingFiles();
    if (!missing.isEmpty() && QFileInfo(path) == QFileInfo(m_ctx.album.filePath())
        && !m_ctx.askYesNo(AlbumFiles::saveWithoutMissingQuestion(missing)))
        return false;
    if (const auto error = AlbumFiles::save(m_ctx.album, path)) {
        m_ctx.confirm(text(Texts::UnwritableAlbum) + text(Texts::TwoLineBreaks) + path
                + text(Texts::TwoLineBreaks) + *error,
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
        return false;
    }
    m_ctx.state.saveCompleted = true;
    m_ctx.album.setMissingFiles({});
    m_ctx.album.setModified(false);
    RecentAlbums::add(path);
    return true;
}

void FileCommands::adoptPath(const QString &path)
{
    m_ctx.album.setFilePath(path);
    updateCaption();
}

void FileCommands::SaveAlbummenuClick()
{
    AlbumDocument &album = m_ctx.album;
    if (m_ctx.refusedWhileOpening())
        return;
    if (album.objectCount() == 0) {
        m_ctx.confirm(
            text(Texts::NoFileToSave), UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
        return;
    }
    const bool named = album.fileName() != text(Texts::NoName);
    if ((album.pplMode() && album.openedFromPlayer()) || named) {
        writeTo(album.filePath());
        return;
    }
    const QString path = askSaveName();
    if (path.isEmpty())
        return;
    if (album.pplMode() && QFileInfo::exists(path)
        && !m_ctx.askYesNo(text(Texts::AlbumFileExists) + text(Texts::TwoLineBreaks) + path
            + text(Texts::TwoLineBreaks) + text(Texts::OverwriteQuestion)))
        return;
    if (writeTo(path))
        adoptPath(path);
}

void FileCommands::SaveAsAlbummenuClick()
{
    if (m_ctx.refusedWhileOpening())
        return;
    if (m_ctx.album.objectCount() == 0) {
        m_ctx.confirm(text(Texts::NoFileToSave));
        return;
    }
    const QString path = askSaveName();
    if (path.isEmpty())
        return;
    m_ctx.state.processEvents();
    if (writeTo(path))
        adoptPath(path);
}

void FileCommands::OpenAlbummenuClick()
{
    openWithSaveQuestion([this] {
        const QStringList chosen
            = m_ctx.prompts.chooseOpenFiles(openFilter(m_ctx.album.albumType()), false, QString());
        return chosen.value(0);
    });
}

void FileCommands::openFromOutside(const QString &path)
{
    if (m_ctx.album.opening())
        return;
    openWithSaveQuestion([&path] { return path; });
}

void FileCommands::openFromPlayer(const std::function<QString()> &choose, const QString &playerRoot)
{
    openWithSaveQuestion(choose, playerRoot);
}

void FileCommands::openWithSaveQuestion(
    const std::function<QString()> &choose, const QString &playerRoot)
{
    AlbumDocument &album = m_ctx.album;
    if (album.objectCount() > 0 && album.modified()
        && m_ctx.askYesNo(text(Texts::SaveBeforeQuestion))) {
        if (album.openedFromPlayer())
            m_ctx.state.exportToDevice();
        else
            SaveAlbummenuClick();
    }
    album.setOpening(true);
    m_ctx.state.stopPlayback();
    const QString chosen = choose();
    if (!chosen.isEmpty()) {
        ResetAlbumProperties(m_ctx);
        album.setCurrentObject(-1);
        album.setOpenedFromPlayer(false);
        UpdateSaveCommands();
        // The file's extension names its type, whichever filter showed it.
        if (QFileInfo::exists(chosen)) {
            openAs(AlbumFiles::typeOfPath(chosen).value_or(album.albumType()), chosen, playerRoot);
            UpdateSaveCommands();
        } else {
            // Gone from the player, it is told without an icon.
            m_ctx.confirm(text(Texts::FileNotExist), UserPrompts::Buttons::Ok,
                playerRoot.isEmpty() ? UserPrompts::Icon::Error : UserPrompts::Icon::None);
        }
    }
    album.setOpening(false);
}

QString FileCommands::outlineDumpPath() const
{
    const AlbumDocument &album = m_ctx.album;
    const QString base = album.filePath().isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/'
            + album.fileName()
        : album.filePath();
    return base + u"-Altreeview.txt"_s;
}

void FileCommands::dumpOutline()
{
    const QString path = outlineDumpPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (const auto error = m_ctx.album.DumpOutline(path))
        m_ctx.confirm(u"The album outline could not be written to"_s + text(Texts::TwoLineBreaks)
                + path + text(Texts::TwoLineBreaks) + *error,
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
    else
        m_ctx.confirm(u"The album outline was written to"_s + text(Texts::TwoLineBreaks) + path,
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
}

QString FileCommands::openFilter(AlbumType type)
{
    return FileFilters::albumFilter(type) + u"All albums (*.pvm *.mum *.ppl)|*.pvm;*.mum;*.ppl|"_s;
}

bool FileCommands::openAs(AlbumType type, const QString &path, const QString &playerRoot)
{
    m_ctx.album.setAlbumType(type);
    m_ctx.state.applyAlbumType(type, false);
    m_ctx.state.processEvents();
    return OpenAlbumFile(path, playerRoot);
}

bool FileCommands::recover(const QString &copy, AlbumType type, const QString &original)
{
    AlbumDocument &album = m_ctx.album;
    // The copy's own place is no album of the user's.
    m_keepOutOfRecent = true;
    openWithSaveQuestion([&] { return copy; });
    m_keepOutOfRecent = false;
    if (album.filePath() != copy || album.albumType() != type)
        return false;
    adoptPath(original);
    album.setAlbumFolder(
        original.isEmpty() ? QString() : QFileInfo(original).absolutePath() + u'/');
    album.setModified(true);
    UpdateSaveCommands();
    return true;
}

bool FileCommands::OpenAlbumFile(
    const QString &path, const QString &playerRoot, const QHash<QString, QString> &moved)
{
    AlbumDocument &album = m_ctx.album;
    EditorState &state = m_ctx.state;
    state.clearPreview();
    adoptPath(path);
    bool read = false;
    {
        const EditorState::Busy busy(state);
        ReaderHooks hooks;
        hooks.progress = state.hooks.statusProgress;
        hooks.processEvents = state.hooks.processEvents;
        hooks.moved = moved;
        read = AlbumFiles::read(album, path, playerRoot, hooks);
        // The transition page shows the transition the file brought.
        state.setTransitionChoice(Transitions::choiceIn(album.properties().albumTransition));
        album.RefreshTotals();
        state.selectObject(0, 2);
        album.setModified(false);
    }
    state.processEvents();
    // With the album shown and the cursor back, as adding does.
    MediaBatch::makeThumbnails(album, state);
    // Albums on a player come and go with it; only the disk's are kept.
    if (read && playerRoot.isEmpty() && !m_keepOutOfRecent)
        RecentAlbums::add(path);
    if (read && !album.missingFiles().isEmpty())
        m_ctx.confirm(AlbumFiles::missingFilesReport(album.missingFiles()),
            UserPrompts::Buttons::Ok, UserPrompts::Icon::Warning);
    return read;
}

void FileCommands::FindMissingFilesClick()
{
    AlbumDocument &album = m_ctx.album;
    const QStringList missing = album.missingFiles();
    if (missing.isEmpty() || m_ctx.state.playing)
        return;
    const QString folder = m_ctx.prompts.chooseFolder(u"Find Missing Files"_s);
    if (folder.isEmpty())
        return;
    const QHash<QString, QString> moved = MissingMedia::findBelow(missing, folder);
    if (moved.isEmpty()) {
        const QString text = missing.size() == 1
            ? QString(u"The missing file was not found below "_s + folder + u'.')
            : QString(u"None of the "_s + QString::number(missing.size())
                + u" missing files were found below "_s + folder + u'.');
        m_ctx.confirm(text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
        return;
    }
    // Reading again drops what was changed since the album was opened.
    if (album.modified()
        && !m_ctx.askYesNo(u"The album is read again with the files found, and the changes not "
                           u"saved yet are lost. Go on?"_s))
        return;
    const QString path = album.filePath();
    const QString playerRoot = album.openedFromPlayer() ? m_ctx.state.playerRoot : QString();
    ResetAlbumProperties(m_ctx);
    album.setCurrentObject(-1);
    OpenAlbumFile(path, playerRoot, moved);
    // The file still names the old places until it is saved.
    album.setModified(true);
    m_ctx.confirm(QString::number(moved.size()) + u" of "_s + QString::number(missing.size())
            + u" missing files were found below "_s + folder + u"; "_s
            + QString::number(album.missingFiles().size())
            + (album.missingFiles().size() == 1 ? u" is"_s : u" are"_s) + u" still missing."_s,
        UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
}
