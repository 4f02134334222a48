#include "MenuRules.h"

#include "AlbumDocument.h"
#include "EditorState.h"

namespace MenuRules {

ObjectMenu DRPopupPopup(const AlbumDocument &album, const EditorState &state)
{
    ObjectMenu menu;
    const int index = album.currentObject();
    if (state.playing || index < 0 || index >= album.objectCount()
        || album.outline().entry(index).children.size() <= 4)
        return menu;
    const ObjectKind kind = album.object(index).kind;
    if (kind == ObjectKind::Still) {
        menu.appendAudio = !album.pplMode();
    } else {
        menu.appendImage = kind == ObjectKind::AudioWithStill || kind == ObjectKind::Audio;
        menu.tag = kind == ObjectKind::AudioWithStill ? 1 : kind == ObjectKind::Audio ? 2 : -1;
    }
    menu.deleteObject = menu.property = true;
    return menu;
}

StripMenu PopupMenu1Popup(const AlbumDocument &album, const EditorState &state)
{
    StripMenu menu;
    if (state.playing)
        return menu;
    const AlbumType type = album.albumType();
    menu.addMovie = menu.addAlbum = type != AlbumType::Ppl;
    menu.addImage = type != AlbumType::Music;
    menu.addMusic = type == AlbumType::Music;
    menu.deleteAll = album.objectCount() > 0;
    return menu;
}

bool PMAudioPopup(const AlbumDocument &album)
{
    const int index = album.currentObject();
    return !album.pplMode() && index >= 0 && index < album.objectCount()
        && album.object(index).kind == ObjectKind::Still;
}

bool N1Click(const AlbumDocument &album)
{
    return album.pplMode();
}

bool N2Click(const EditorState &state)
{
    return !state.playing;
}

} // namespace MenuRules
