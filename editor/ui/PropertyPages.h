#pragma once

#include <QTabWidget>

class AlbumDocument;
class EditorState;
class PropertyCommands;
class QLineEdit;
class QTreeWidget;
class QButtonGroup;

// The album's property pages: album texts, background music, background
// image and transition. They show the album document and hand every button
// to the property commands; which pages show follows the album type.
class PlayerCommands;

class PropertyPages final : public QTabWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PropertyPages)

public:
    enum Page { AlbumTab, MusicTab, ImageTab, TransitionTab };

    PropertyPages(AlbumDocument &album, EditorState &state, PropertyCommands &commands,
        PlayerCommands &player, QWidget *parent = nullptr);

private:
    // Builds the page at `index` if it is not built yet.
    void build(int index);
    QWidget *albumPage();
    QWidget *musicPage();
    QWidget *imagePage();
    QWidget *transitionPage();
    void showAlbum();
    void showState();
    void showActivePage();

    AlbumDocument &m_album;
    EditorState &m_state;
    PropertyCommands &m_commands;
    PlayerCommands &m_player;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_creator = nullptr;
    QLineEdit *m_description = nullptr;
    QTreeWidget *m_music = nullptr;
    QLineEdit *m_image = nullptr;
    QButtonGroup *m_transitions = nullptr;
};
