#pragma once

#include "AlbumType.h"

#include <QList>
#include <QStringList>

class AlbumDocument;
class CommandPrompts;
class EditorState;
class UserPrompts;

// The object property dialog without its widgets: what it shows, its
// working lists, and what its buttons do to them. OK applies the lists to
// the album in one step, so the object's member lists are never left half
// rewritten.
class ObjectDialogState
{
public:
    ObjectDialogState(const AlbumDocument &album, int objectIndex);

    int objectIndex() const { return m_index; }
    ObjectKind kind() const { return m_kind; }

    // Shown by the dialog.
    QString caption;
    QStringList names;
    QStringList durations;
    QStringList paths;
    QList<int> selected;
    QString pathField;
    QString previewFile; // a photo to show stretched, empty for none
    int durationBox = 0; // whole seconds 1..1000, 0 when empty
    bool durationEnabled = true;
    bool imageButtonsEnabled = true; // Add and Delete
    bool upDownEnabled = true;
    bool audioButtonsEnabled = true; // Change and Delete
    bool audioFieldsEnabled = true;
    QString audioName;
    QString audioPath;
    bool entriesChanged = false;
    bool audioChanged = false;

    void LBImageClick(const QList<int> &selection);
    void BtnAddImageClick(CommandPrompts &prompts);
    void addImages(const QStringList &files);
    void BtnDeleteImageClick(UserPrompts &prompts);
    void BtnMoveUPClick();
    void BtnMoveDownClick();
    void spinDurTimeEnter();
    void spinDurTimeChange(int seconds);
    void spinDurTimeExit();
    void BtnAddAudioClick(CommandPrompts &prompts);
    void changeAudio(const QString &file);
    void BtnDeleteAudioClick();
    // Applies the working state to the album (the dialog then closes).
    void BtnOKClick(AlbumDocument &album, EditorState &state) const;

    // "Image", "Image + Audio", ... for the caption; empty for unknown kinds.
    static QString kindName(ObjectKind kind);

private:
    void load(const AlbumDocument &album);
    void moveSelected(int step);
    void applyEntries(AlbumDocument &album, EditorState &state) const;
    void applyAudio(AlbumDocument &album) const;

    int m_index;
    ObjectKind m_kind = ObjectKind::None;
    bool m_pplMode = false;
    int m_defaultStillSeconds = 5;
    bool m_durationArmed = false;
    bool m_durationEdited = false;
};
