#pragma once

#include "CommandContext.h"

#include <functional>

#include <QStringList>

class FileCommands;

// The commands that make an album and change its objects: New album, the add
// and append commands, Delete, Delete all and files dropped on the window.
// All but Delete all and the dropped files do nothing while playing.
class EditingCommands
{
public:
    EditingCommands(CommandContext context, FileCommands &files);

    void NewAlnummenuClick();
    void moviemenuClick();
    void ImageMenuClick();
    void audiomenuClick();
    void albumAddClick();
    void AddAudioClick();
    void MovieAddMenuClick();
    void DelMenuClick();
    void mnuDeleteListAllClick();
    void dropFiles(const QStringList &files);

private:
    QStringList chooseFiles(const QString &filter, bool multiple, const QString &title = {});
    // Prepares the files' probes and thumbnails on every core, then hands
    // the files prepared (all unless cancelled) to `add` in their order
    // until it says to stop.
    void addPrepared(const QStringList &files, const std::function<bool(const QString &)> &add);
    // Adds each file as a new object, with the completeness check.
    void addObjects(const QStringList &files);
    // The same in the busy bracket, then the current object selected.
    void addObjectsBusy(const QStringList &files);
    void selectCurrentOrFirst();
    void addAlbumLink(const QString &path);

    CommandContext m_ctx;
    FileCommands &m_files;
};
