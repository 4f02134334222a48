#include "PropertyPages.h"

#include "AlbumDocument.h"
#include "EditorState.h"
#include "PlayerCommands.h"
#include "PropertyCommands.h"
#include "UndoHistory.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

PropertyPages::PropertyPages(AlbumDocument &album, EditorState &state, PropertyCommands &commands,
    PlayerCommands &player, QWidget *parent)
    : QTabWidget(parent)
    , m_album(album)
    , m_state(state)
    , m_commands(commands)
    , m_player(player)
{
    // Each page is built when first shown: one page shows at a time, and
    // building all four costs the window's first showing milliseconds.
    for (const QString &caption :
        {u"      Album"_s, u"     BG Music"_s, u"     BG Image"_s, u"   Transition"_s}) {
        auto *holder = new QWidget(this);
        new QVBoxLayout(holder);
        holder->layout()->setContentsMargins(0, 0, 0, 0);
        addTab(holder, caption);
    }
    connect(this, &QTabWidget::currentChanged, this, &PropertyPages::build);
    connect(&album, &AlbumDocument::propertiesChanged, this, &PropertyPages::showAlbum);
    connect(&state, &EditorState::changed, this, &PropertyPages::showState);
    connect(&state, &EditorState::activePageRequested, this, &PropertyPages::showActivePage);
    showState();
    showActivePage();
    build(currentIndex());
}

void PropertyPages::build(int index)
{
    QWidget *holder = widget(index);
    if (!holder || holder->layout()->count() != 0)
        return;
    QWidget *page = nullptr;
    switch (Page(index)) {
    case AlbumTab:
        page = albumPage();
        break;
    case MusicTab:
        page = musicPage();
        break;
    case ImageTab:
        page = imagePage();
        break;
    case TransitionTab:
        page = transitionPage();
        break;
    }
    holder->layout()->addWidget(page);
    showAlbum();
    showState();
}

QWidget *PropertyPages::albumPage()
{
    auto *page = new QWidget(this);
    auto *form = new QFormLayout(page);
    // Typing in one field is one undo step, named after the field.
    for (auto [field, name, key] : {std::tuple{&m_title, u"Title"_s, UndoHistory::TitleTyping},
             std::tuple{&m_creator, u"Creator"_s, UndoHistory::CreatorTyping},
             std::tuple{&m_description, u"Description"_s, UndoHistory::DescriptionTyping}}) {
        *field = new QLineEdit(page);
        form->addRow(name, *field);
        connect(*field, &QLineEdit::textEdited, this, [this, name, key] {
            const UndoHistory::Step step(m_state, name, key);
            AlbumProperties p = m_album.properties();
            p.title = m_title->text();
            p.creator = m_creator->text();
            p.description = m_description->text();
            m_album.setProperties(p);
        });
    }
    return page;
}

QWidget *PropertyPages::musicPage()
{
    auto *page = new QWidget(this);
    m_music = new QTreeWidget(page);
    m_music->setColumnCount(3);
    m_music->setHeaderHidden(true);
    m_music->setRootIsDecorated(false);
    m_music->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_music->setColumnWidth(0, 390);
    m_music->setColumnWidth(1, 100);
    m_music->setColumnHidden(2, true);
    auto *add = new QPushButton(u"Add"_s, page);
    auto *menu = new QMenu(add);
    connect(menu->addAction(u"Add from PC(&P)"_s), &QAction::triggered, this,
        [this] { m_commands.mnuAddBGMusic_PCClick(); });
    QAction *fromDevice = menu->addAction(u"Add from Device(&D)"_s);
    connect(
        fromDevice, &QAction::triggered, this, [this] { m_player.mnuAddBGMusic_DeviceClick(); });
    connect(menu, &QMenu::aboutToShow, this,
        [this, fromDevice] { fromDevice->setEnabled(m_state.commands().deviceCommands); });
    add->setMenu(menu);
    auto *remove = new QPushButton(u"Delete"_s, page);
    connect(remove, &QPushButton::clicked, this, [this] {
        m_commands.btnDeleteBGMusicClick(m_music->indexOfTopLevelItem(m_music->currentItem()));
    });
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_music, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget *PropertyPages::imagePage()
{
    auto *page = new QWidget(this);
    m_image = new QLineEdit(page);
    m_image->setReadOnly(true);
    auto *add = new QPushButton(u"Add"_s, page);
    auto *remove = new QPushButton(u"Delete"_s, page);
    connect(add, &QPushButton::clicked, this, [this] { m_commands.BtnAddBGImageClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { m_commands.BtnDeleteBGImageClick(); });
    auto *form = new QFormLayout(page);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    // Choosing a background colour is not built yet.
    auto *select = new QPushButton(u"Select"_s, page);
    select->setEnabled(false);
    select->setToolTip(u"Not available yet in this version"_s);
    buttons->addWidget(select);
    buttons->addStretch();
    form->addRow(u"BG Image"_s, m_image);
    form->addRow(buttons);
    return page;
}

QWidget *PropertyPages::transitionPage()
{
    auto *page = new QWidget(this);
    auto *layout = new QHBoxLayout(page);
    m_transitions = new QButtonGroup(this);
    int id = 0;
    for (const QString &caption : {u"Alphablend"_s, u"Horizontalwipe"_s, u"Verticalwipe"_s}) {
        auto *choice = new QRadioButton(caption, page);
        m_transitions->addButton(choice, id++);
        layout->addWidget(choice);
    }
    layout->addStretch();
    connect(m_transitions, &QButtonGroup::idClicked, this,
        [this](int choice) { m_commands.Image5Click(choice); });
    return page;
}

void PropertyPages::showAlbum()
{
    const AlbumProperties &p = m_album.properties();
    for (auto [field, value] : {std::pair{m_title, &p.title}, std::pair{m_creator, &p.creator},
             std::pair{m_description, &p.description}}) {
        if (field && field->text() != *value)
            field->setText(*value);
    }
    if (m_image)
        m_image->setText(p.backgroundImage);
    if (!m_music)
        return;
    m_music->clear();
    for (const BackgroundMusicEntry &e : p.backgroundMusic)
        m_music->addTopLevelItem(new QTreeWidgetItem({e.musicFile, e.durationText, e.source}));
}

void PropertyPages::showActivePage()
{
    static const int tabOf[] = {AlbumTab, ImageTab, MusicTab, TransitionTab};
    setCurrentIndex(tabOf[m_state.pages().activePage]);
}

void PropertyPages::showState()
{
    const PageLayout &pages = m_state.pages();
    setTabVisible(AlbumTab, pages.albumPage);
    setTabVisible(MusicTab, pages.backgroundMusicPage);
    setTabVisible(ImageTab, pages.backgroundImagePage);
    if (!m_transitions)
        return;
    if (QAbstractButton *choice = m_transitions->button(m_state.transitionChoice()))
        choice->setChecked(true);
}
