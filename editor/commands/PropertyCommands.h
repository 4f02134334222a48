#pragma once

#include "CommandContext.h"

#include <QStringList>

// The album's property pages and the object property dialog.
class PropertyCommands
{
public:
    explicit PropertyCommands(CommandContext context);

    void BtnAddBGImageClick();
    void BtnDeleteBGImageClick();
    void mnuAddBGMusic_PCClick();
    // Background music files as the PC page adds them: a .wav in a PPL album
    // and files that cannot be read are refused, the rest probed.
    void addBackgroundMusicFiles(const QStringList &files);
    void btnDeleteBGMusicClick(int row);
    // Choice 0, 1 or 2 on the transition page, applied to every object.
    void Image5Click(int choice);
    void mnuPropertyClick();
    // The Repeat box under the preview: the selected object's photos with
    // music cycle while its music plays (the timeline marks it "반복").
    void RepeatCheckClick(bool checked);

private:
    // Refuses a file that cannot be read, with its path; true when readable.
    bool readable(const QString &path) const;
    void appendError(const char16_t *message, const QString &path) const;

    CommandContext m_ctx;
};
