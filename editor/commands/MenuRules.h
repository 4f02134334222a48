#pragma once

class AlbumDocument;
class EditorState;

// Which menu items are enabled when a menu opens.
namespace MenuRules {

// The object menu (DRPopupPopup). tag: 0, 1 AudioWithStill, 2 Audio, -1.
struct ObjectMenu
{
    bool appendImage = false;
    bool appendAudio = false;
    bool deleteObject = false;
    bool property = false;
    int tag = 0;
};
ObjectMenu DRPopupPopup(const AlbumDocument &album, const EditorState &state);

// The strip menu (PopupMenu1Popup).
struct StripMenu
{
    bool addMovie = false;
    bool addImage = false;
    bool addMusic = false;
    bool addAlbum = false;
    bool deleteAll = false;
};
StripMenu PopupMenu1Popup(const AlbumDocument &album, const EditorState &state);

// "Append Audio" of the music button's menu (PMAudioPopup).
bool PMAudioPopup(const AlbumDocument &album);
// "Delete Album From Device" of the Album menu (N1Click).
bool N1Click(const AlbumDocument &album);
// Both slide items of the Slide menu (N2Click).
bool N2Click(const EditorState &state);

} // namespace MenuRules
