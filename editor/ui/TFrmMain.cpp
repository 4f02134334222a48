#include "TFrmMain.h"

#include "BrowserModel.h"
#include "FileBrowserPane.h"
#include "FileBrowserRules.h"
#include "MenuRules.h"
#include "PreviewPicture.h"
#include "PreviewPlayer.h"
#include "PropertyPages.h"
#include "RecentAlbums.h"
#include "TFrmAbout.h"
#include "TFrmSilder.h"
#include "TFrmTR.h"
#include "Texts.h"
#include "ThumbnailStrip.h"
#include "Thumbnails.h"
#include "TimelineView.h"
#include "TransportBar.h"
#include "WinColor.h"
#include "WorkProgressBar.h"

#include <QComboBox>
#include <QHBoxLayout>

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmMain::TFrmMain(QWidget *parent)
    : QMainWindow(parent)
    , m_prompts(this)
    , m_album(m_prompts)
    , m_history(m_album, m_state)
    , m_context{m_album, m_prompts, m_state}
    , m_files(m_context)
    , m_editing(m_context, m_files)
    , m_properties(m_context)
    , m_timelineCommands(m_context)
    , m_lifecycle(m_context, m_files, m_editing)
    , m_export(m_context, m_files)
    , m_video(m_context)
    , m_player(m_context, m_files)
    , m_slides(m_context)
    , m_help(QCoreApplication::applicationDirPath() + u'/')
    , m_companions(m_prompts)
{
    setObjectName(u"TFrmMain"_s);
    setAcceptDrops(true);
    m_album.setUntitled();
    buildMenus();
    buildToolBar();

    m_strip = new ThumbnailStrip(m_album, this);
    m_preview
        = new PreviewPlayer(m_album, m_prompts, PlaybackRules::preview(), winColor(14207944), this);
    m_preview->setMinimumSize(320, 240);
    m_typeLabel = new QLabel(this);

    auto *pages = new PropertyPages(m_album, m_state, m_properties, m_player, this);
    auto *top = new QSplitter(Qt::Horizontal, this);
    auto *previewBox = new QWidget(this);
    auto *previewLayout = new QVBoxLayout(previewBox);
    m_transport = new TransportBar(this);
    connect(m_transport, &TransportBar::pressed, this,
        [this](TransportBar::Button b) { transportPressed(b); });
    previewLayout->addWidget(new QLabel(u"Album Editor"_s, this));
    previewLayout->addWidget(m_typeLabel);
    previewLayout->addWidget(m_preview, 1);
    previewLayout->addWidget(m_transport);
    top->addWidget(previewBox);
    top->addWidget(pages);
    m_timeline = new TimelineView(m_album, this);
    auto *timelineBox = new QWidget(this);
    auto *timelineLayout = new QHBoxLayout(timelineBox);
    timelineLayout->setContentsMargins(0, 0, 0, 0);
    timelineLayout->addWidget(buildTimelineLabels(), 0, Qt::AlignTop);
    timelineLayout->addWidget(m_timeline, 1);
    auto *main = new QSplitter(Qt::Vertical, this);
    main->addWidget(top);
    main->addWidget(timelineBox);
    main->addWidget(buildStripBox());
    main->setStretchFactor(2, 1);
    m_browser = new FileBrowserPane(this);
    m_browser->model().setNoteReader([this](const QString &path) {
        using FileBrowserRules::NoteSource;
        return FileBrowserRules::noteSourceOf(path) == NoteSource::Id3
            ? m_companions.id3Note(path)
            : m_companions.ReadFileComment(path);
    });
    connect(m_browser, &FileBrowserPane::showPicture, this, [this](const QString &path) {
        showPicture(decodePhotoCovering(path, m_preview->pictureArea()));
    });
    connect(m_browser, &FileBrowserPane::clearPicture, this, [this] { showPicture({}); });
    auto *whole = new QSplitter(Qt::Horizontal, this);
    whole->addWidget(m_browser);
    whole->addWidget(main);
    whole->setStretchFactor(1, 1);
    whole->setSizes({260, 900});
    setCentralWidget(whole);

    for (QLabel *&panel : m_panels) {
        panel = new QLabel(this);
        statusBar()->addWidget(panel, 1);
    }
    m_work = new WorkProgressBar(this);
    statusBar()->addPermanentWidget(m_work);
    bindState();
    installHooks();
    bindPlayback();
    m_state.setCaption(QString::fromUtf16(Texts::WindowCaptionPrefix) + m_album.fileName());
}

QWidget *TFrmMain::buildTimelineLabels()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(u"Time Unit"_s, box));
    auto *scale = new QComboBox(box);
    scale->setToolTip(u"Time Unit"_s);
    scale->addItems(TimeScale::itemTexts());
    connect(scale, &QComboBox::activated, m_timeline, &TimelineView::setScale);
    column->addWidget(scale);
    column->addWidget(new QLabel(u"Image"_s, box));
    m_audioLane = new QLabel(u"Audio"_s, box);
    column->addWidget(m_audioLane);
    return box;
}

QWidget *TFrmMain::buildStripBox()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(u"Thumbnail Size"_s, box));
    m_thumbSize = new QSlider(Qt::Horizontal, box);
    m_thumbSize->setRange(70, 100);
    m_thumbSize->setValue(100);
    m_thumbSize->setFixedWidth(120);
    sizeRow->addWidget(m_thumbSize);
    m_percent = new QLabel(u"100%"_s, box);
    sizeRow->addWidget(m_percent);
    sizeRow->addStretch(1);
    column->addLayout(sizeRow);
    // At least one row of full-size panels and its margins.
    m_strip->setMinimumHeight(ThumbnailGrid(100).cellHeight() + 12);
    auto *stripRow = new QHBoxLayout;
    m_rowLabel = new QLabel(box);
    m_rowLabel->setAlignment(Qt::AlignCenter);
    stripRow->addWidget(m_rowLabel);
    stripRow->addWidget(m_strip, 1);
    column->addLayout(stripRow, 1);
    // The grid changes only while there are objects to place.
    connect(m_thumbSize, &QSlider::valueChanged, this, [this](int percent) {
        if (m_album.objectCount() == 0)
            return;
        m_percent->setText(QString::number(percent) + u'%');
        m_strip->setPercent(percent);
    });
    return box;
}

void TFrmMain::transportPressed(int button)
{
    PlaybackEngine &engine = m_preview->engine();
    const int count = m_album.objectCount();
    const int current = m_album.currentObject();
    int target = -1;
    switch (button) {
    case TransportBar::Play:
        engine.play(current, 0);
        showTransport();
        return;
    case TransportBar::Pause:
        engine.pause();
        showTransport();
        return;
    case TransportBar::Stop:
        engine.stop();
        showTransport();
        return;
    case TransportBar::First:
        target = 0;
        break;
    case TransportBar::Previous:
        target = current - 1;
        break;
    case TransportBar::Next:
        target = current + 1;
        break;
    case TransportBar::Last:
        target = count - 1;
        break;
    default:
        return;
    }
    if (target < 0 || target >= count)
        return;
    // While playing, another object restarts playback there.
    if (engine.playing())
        engine.restartAt(target);
    else
        selectObject(target, 3);
}

void TFrmMain::buildRecentMenu(QMenu *menu)
{
    menu->setToolTipsVisible(true);
    // Filled each time it opens: an album that has gone is shown greyed.
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        const QStringList albums = RecentAlbums::list();
        for (qsizetype i = 0; i < albums.size(); ++i) {
            const QString &path = albums[i];
            QAction *item = menu->addAction(
                u"&"_s + QString::number(i + 1) + u' ' + QFileInfo(path).fileName());
            item->setToolTip(path);
            item->setEnabled(QFileInfo(path).isFile() && !m_state.playing);
            connect(
                item, &QAction::triggered, this, [this, path] { m_files.openFromOutside(path); });
        }
        if (albums.isEmpty())
            menu->addAction(u"(none)"_s)->setEnabled(false);
    });
}

void TFrmMain::slideshow(std::optional<SlideCommands::Start> start)
{
    if (!start)
        return;
    TFrmSilder window(m_album, m_prompts, start->object, start->member, this);
    window.showFullScreen();
    window.exec();
    QCoreApplication::processEvents();
    selectObject(std::max(0, m_album.currentObject()), 2);
}

void TFrmMain::showTransport()
{
    const PlaybackEngine::State state = m_preview->engine().state();
    using S = PlaybackEngine::State;
    m_transport->button(TransportBar::Play)->setChecked(state == S::Playing);
    m_transport->button(TransportBar::Pause)->setEnabled(state != S::Stopped);
    m_transport->button(TransportBar::Pause)->setChecked(state == S::Paused);
    m_transport->button(TransportBar::Stop)->setEnabled(state != S::Stopped);
    m_transport->repeat()->setEnabled(state == S::Stopped);
}

void TFrmMain::bindPlayback()
{
    PlaybackEngine &engine = m_preview->engine();
    engine.setVolume(m_transport->volume());
    connect(m_transport, &TransportBar::volumeChanged, &engine, &PlaybackEngine::setVolume);
    connect(m_transport->repeat(), &QCheckBox::clicked, this,
        [this](bool checked) { m_properties.RepeatCheckClick(checked); });
    connect(&engine, &PlaybackEngine::stateChanged, this, [this](PlaybackEngine::State state) {
        const bool playing = state != PlaybackEngine::State::Stopped;
        const bool starting = playing && !m_state.playing;
        if (playing != m_state.playing) {
            m_state.playing = playing;
            m_state.SetEditingEnabled(!playing);
        }
        showTransport();
        if (starting)
            m_timeline->startProgress();
        if (!playing) {
            m_timeline->hideProgress();
            if (m_album.objectCount() > 0)
                selectObject(std::max(0, m_album.currentObject()), 2);
        }
    });
    // The marker stays where it is until the new object's first half second.
    connect(&engine, &PlaybackEngine::objectStarted, this, [this](int index) {
        m_album.setCurrentObject(index);
        m_strip->ensureVisible(index);
        m_timeline->ensureVisible(index);
    });
    connect(&engine, &PlaybackEngine::progressed, m_timeline, &TimelineView::showProgress);
    connect(&engine, &PlaybackEngine::finished, this, [this] { selectObject(0, 0); });
}

void TFrmMain::startWith(const QStringList &arguments)
{
    m_browser->navigate(
        arguments.isEmpty() ? QDir::homePath() : QFileInfo(arguments.first()).absolutePath());
    m_lifecycle.openCommandLine(arguments);
}

void TFrmMain::openFromAnotherStart(const QStringList &arguments)
{
    m_lifecycle.openFromAnotherStart(arguments);
}

int TFrmMain::volume() const
{
    return m_transport->volume();
}

void TFrmMain::setVolume(int volume)
{
    m_transport->setVolume(volume);
}

QAction *TFrmMain::command(
    QMenu *menu, const QString &caption, const QKeySequence &shortcut, Handler handler)
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [handler] { handler(); });
    m_actions.insert(caption, action);
    return action;
}

void TFrmMain::showsDel(QAction *action)
{
    // The menus show Del; the key itself is the window's, which leaves it
    // to a text field that has the focus.
    action->setShortcut(Qt::Key_Delete);
    action->setShortcutContext(Qt::WidgetShortcut);
}

void TFrmMain::buildUndoCommands(QMenu *menu)
{
    QAction *undo = command(menu, u"Undo"_s, QKeySequence::Undo, [this] { m_history.undo(); });
    QAction *redo = command(menu, u"Redo"_s, {}, [this] { m_history.redo(); });
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menu->addSeparator();
    // The keys work wherever the focus is but in a text field, which keeps
    // its own undo.
    addActions({undo, redo});
    const auto show = [=, this] {
        undo->setText(m_history.undoCaption());
        undo->setEnabled(m_history.canUndo());
        redo->setText(m_history.redoCaption());
        redo->setEnabled(m_history.canRedo());
    };
    connect(&m_history, &UndoHistory::changed, this, show);
    show();
}

void TFrmMain::buildMenus()
{
    QMenu *album = menuBar()->addMenu(u"Album(&F)"_s);
    command(album, u"New Album(&N)"_s, QKeySequence(u"Ctrl+N"_s),
        [this] { m_editing.NewAlnummenuClick(); });
    command(album, u"Open Album(&O)"_s, QKeySequence(u"Ctrl+O"_s),
        [this] { m_files.OpenAlbummenuClick(); });
    buildRecentMenu(album->addMenu(u"Recent Albums(&R)"_s));
    QAction *relink = command(
        album, u"Find Missing Files(&I)..."_s, {}, [this] { m_files.FindMissingFilesClick(); });
    connect(album, &QMenu::aboutToShow, this, [this, relink] {
        relink->setEnabled(!m_album.missingFiles().isEmpty() && !m_state.playing);
    });
    album->addSeparator();
    command(album, u"Save Album(&S)"_s, QKeySequence(u"Ctrl+S"_s),
        [this] { m_files.SaveAlbummenuClick(); });
    command(album, u"Save As...(&A)"_s, {}, [this] { m_files.SaveAsAlbummenuClick(); });
    album->addSeparator();
    QMenu *exportMenu = album->addMenu(u"Export(&E)"_s);
    exportMenu->setToolTipsVisible(true);
    album->setToolTipsVisible(true);
    QAction *toDisk = command(
        exportMenu, u"Export to Harddisk(&H)"_s, {}, [this] { m_export.mnuExport_HDDClick(); });
    QAction *toDevice = command(
        exportMenu, u"Export to Device(&M)"_s, {}, [this] { m_export.mnuExport_EquipClick(); });
    QAction *toVideo = command(
        album, u"Export to Video(&V)..."_s, {}, [this] { m_video.mnuExport_VideoClick(); });
    QAction *openFromDevice = command(
        album, u"Open Album From Device(&P)"_s, {}, [this] { m_player.mnuAlbum_ImportClick(); });
    QAction *deleteOnDevice = command(
        album, u"Delete Album From Device(&D)"_s, {}, [this] { m_player.MnuDeleteAlbumClick(); });
    connect(album, &QMenu::aboutToShow, this, [=, this] {
        const CommandAvailability commands = m_state.enabledCommands();
        toDisk->setEnabled(commands.exportToHardDisk);
        toDevice->setEnabled(commands.deviceCommands);
        toVideo->setEnabled(VideoExportCommands::available(m_context));
        openFromDevice->setEnabled(commands.deviceCommands);
        deleteOnDevice->setEnabled(MenuRules::N1Click(m_album));
    });
    album->addSeparator();
    command(album, u"Exit(&X)"_s, {}, [this] { close(); });

    QMenu *edit = menuBar()->addMenu(u"Edit Album(&E)"_s);
    buildUndoCommands(edit);
    command(edit, u"Add Movie(&V)"_s, Qt::Key_F2, [this] { m_editing.moviemenuClick(); });
    command(edit, u"Add Image(&I)"_s, Qt::Key_F3, [this] { m_editing.ImageMenuClick(); });
    command(edit, u"Add Music(&M)"_s, Qt::Key_F4, [this] { m_editing.audiomenuClick(); });
    command(edit, u"Add Album(&A)"_s, Qt::Key_F5, [this] { m_editing.albumAddClick(); });
    edit->addSeparator();
    showsDel(command(edit, u"Delete(&D)"_s, {}, [this] { m_editing.DelMenuClick(); }));
    command(edit, u"Delete All List(&L)"_s, {}, [this] { m_editing.mnuDeleteListAllClick(); });

    QMenu *slide = menuBar()->addMenu(u"Slide(&R)"_s);
    QAction *first = command(slide, u"Slide From First(&F)"_s, Qt::Key_F6,
        [this] { slideshow(m_slides.firstslideClick()); });
    QAction *current = command(slide, u"Slide From Current(&C)"_s, Qt::Key_F7,
        [this] { slideshow(m_slides.CurrentMenuClick()); });
    connect(slide, &QMenu::aboutToShow, this, [=, this] {
        first->setEnabled(MenuRules::N2Click(m_state));
        current->setEnabled(MenuRules::N2Click(m_state));
    });

    QMenu *help = menuBar()->addMenu(u"Help(&H)"_s);
    command(help, u"Help(&H)"_s, Qt::Key_F1, [this] { m_help.HelpMenuClick(m_prompts); });
    command(help, u"About Quillan(&A)..."_s, {}, [this] { TFrmAbout(this).exec(); });

    m_objectMenu = new QMenu(this);
    QAction *appendImage = command(
        m_objectMenu, u"Append Image(&I)"_s, Qt::Key_F8, [this] { m_editing.MovieAddMenuClick(); });
    QAction *appendAudio = command(
        m_objectMenu, u"Append Audio(&A)"_s, Qt::Key_F9, [this] { m_editing.AddAudioClick(); });
    m_objectMenu->addSeparator();
    QAction *remove = m_objectMenu->addAction(u"Delete(&D)"_s);
    showsDel(remove);
    connect(remove, &QAction::triggered, this, [this] { m_editing.DelMenuClick(); });
    m_objectMenu->addSeparator();
    QAction *property = command(
        m_objectMenu, u"Property(&P)"_s, Qt::Key_F10, [this] { m_properties.mnuPropertyClick(); });
    addActions({appendImage, appendAudio, property});
    connect(m_objectMenu, &QMenu::aboutToShow, this, [=, this] {
        const MenuRules::ObjectMenu rules = MenuRules::DRPopupPopup(m_album, m_state);
        appendImage->setEnabled(rules.appendImage);
        appendAudio->setEnabled(rules.appendAudio);
        remove->setEnabled(rules.deleteObject);
        property->setEnabled(rules.property);
    });
    // The function keys work whatever the menu last showed; the commands
    // check for themselves.
    connect(m_objectMenu, &QMenu::aboutToHide, this, [=] {
        for (QAction *action : {appendImage, appendAudio, remove, property})
            action->setEnabled(true);
    });
    auto *dump = new QAction(this);
    dump->setShortcut(QKeySequence(u"Ctrl+F12"_s));
    connect(dump, &QAction::triggered, this, [this] { m_files.dumpOutline(); });
    addAction(dump);
}

void TFrmMain::buildToolBar()
{
    QToolBar *bar = addToolBar(u"ToolTop"_s);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto button = [&](const QString &caption, const QString &hint, const QString &menuItem) {
        QAction *action = bar->addAction(caption);
        action->setToolTip(hint);
        QAction *item = m_actions.value(menuItem);
        connect(action, &QAction::triggered, item, &QAction::trigger);
        // The button is enabled exactly when its menu item is.
        connect(item, &QAction::enabledChanged, action, &QAction::setEnabled);
    };
    button(u"New"_s, u"New Album"_s, u"New Album(&N)"_s);
    button(u"Open"_s, u"Open Album"_s, u"Open Album(&O)"_s);
    button(u"Save"_s, u"Save Album"_s, u"Save Album(&S)"_s);
    bar->addSeparator();
    button(u"Add Movie"_s, u"Add Movie to Album"_s, u"Add Movie(&V)"_s);
    button(u"Add Image"_s, u"Add Image to Album"_s, u"Add Image(&I)"_s);
    // This button opens its menu, whatever the album type.
    QAction *music = bar->addAction(u"Add Music"_s);
    music->setToolTip(u"Add Music to Album"_s);
    m_actions.insert(u"Add Music"_s, music);
    music->setMenu(buildMusicMenu());
    connect(music, &QAction::triggered, this, [this, bar, music] {
        if (QWidget *b = bar->widgetForAction(music))
            music->menu()->popup(b->mapToGlobal(QPoint(0, b->height())));
    });
    button(u"Add Album"_s, u"Add Album to Album"_s, u"Add Album(&A)"_s);
}

QMenu *TFrmMain::buildMusicMenu()
{
    auto *menu = new QMenu(this);
    QAction *add = menu->addAction(u"Add Music(&M)"_s);
    connect(add, &QAction::triggered, this, [this] { m_editing.audiomenuClick(); });
    QAction *append = menu->addAction(u"Append Audio(&A)"_s);
    connect(append, &QAction::triggered, this, [this] { m_editing.AddAudioClick(); });
    QMenu *background = menu->addMenu(u"Add BG Music(&B)"_s);
    QAction *fromPc = background->addAction(u"Add from PC(&P)"_s);
    connect(fromPc, &QAction::triggered, this, [this] { m_properties.mnuAddBGMusic_PCClick(); });
    QAction *fromDevice = background->addAction(u"Add from Device(&D)"_s);
    connect(
        fromDevice, &QAction::triggered, this, [this] { m_player.mnuAddBGMusic_DeviceClick(); });
    connect(menu, &QMenu::aboutToShow, this, [=, this] {
        fromDevice->setEnabled(m_state.commands().deviceCommands);
        add->setEnabled(m_state.commands().addMusic);
        append->setEnabled(MenuRules::PMAudioPopup(m_album));
        background->setEnabled(m_state.commands().addBackgroundMusic);
    });
    return menu;
}

QMenu *TFrmMain::buildStripMenu()
{
    auto *menu = new QMenu(this);
    const auto item = [&](const QString &caption, QKeySequence key, Handler handler) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, [handler] { handler(); });
        return action;
    };
    QAction *movie = item(u"Add Moive(&V)"_s, Qt::Key_F2, [this] { m_editing.moviemenuClick(); });
    QAction *image = item(u"Add Image(&I)"_s, Qt::Key_F3, [this] { m_editing.ImageMenuClick(); });
    QAction *music = item(u"Add Music(&M)"_s, Qt::Key_F4, [this] { m_editing.audiomenuClick(); });
    QAction *album = item(u"Add Album(&A)"_s, Qt::Key_F5, [this] { m_editing.albumAddClick(); });
    menu->addSeparator();
    QAction *all = item(u"Delete All(&D)"_s, {}, [this] { m_editing.mnuDeleteListAllClick(); });
    connect(menu, &QMenu::aboutToShow, this, [=, this] {
        const MenuRules::StripMenu rules = MenuRules::PopupMenu1Popup(m_album, m_state);
        movie->setEnabled(rules.addMovie);
        image->setEnabled(rules.addImage);
        music->setEnabled(rules.addMusic);
        album->setEnabled(rules.addAlbum);
        all->setEnabled(rules.deleteAll);
    });
    return menu;
}

void TFrmMain::bindState()
{
    connect(&m_state, &EditorState::changed, this, [this] {
        setWindowTitle(m_state.caption());
        m_typeLabel->setText(m_state.typeLabel());
        m_rowLabel->setText(m_state.pages().rowLabel);
        m_audioLane->setVisible(m_state.pages().audioLaneLabel);
        m_browser->setMask(m_state.browserMask());
        const CommandAvailability c = m_state.enabledCommands();
        m_actions.value(u"Add Movie(&V)"_s)->setEnabled(c.addMovie);
        m_actions.value(u"Add Image(&I)"_s)->setEnabled(c.addImage);
        m_actions.value(u"Add Music(&M)"_s)->setEnabled(c.addMusic);
        m_actions.value(u"Add Album(&A)"_s)->setEnabled(c.addAlbum);
        m_actions.value(u"Add Music"_s)->setEnabled(c.addMusicButton);
        m_actions.value(u"Delete(&D)"_s)->setEnabled(c.deleteObjects);
        m_actions.value(u"Delete All List(&L)"_s)->setEnabled(c.deleteObjects);
        m_actions.value(u"Save Album(&S)"_s)->setEnabled(m_state.saveCommandsEnabled());
        m_actions.value(u"Save As...(&A)"_s)->setEnabled(m_state.saveCommandsEnabled());
    });
    connect(&m_album, &AlbumDocument::totalsChanged, this, &TFrmMain::showStatus);
    connect(&m_album, &AlbumDocument::currentObjectChanged, this, &TFrmMain::showStatus);
    const auto click = [this](int index) { selectObject(index, 2); };
    connect(m_strip, &ThumbnailStrip::objectClicked, this, click);
    connect(m_timeline, &TimelineView::objectClicked, this, click);
    connect(m_strip, &ThumbnailStrip::transitionClicked, this, [this](int index) {
        const UndoHistory::Step step(m_state, u"Transition"_s);
        TFrmTR dialog(m_album, index, this);
        dialog.exec();
    });
    connect(m_strip, &ThumbnailStrip::titleClicked, this, [this](int index) {
        if (m_state.playing || m_album.opening())
            return;
        selectObject(index, 2);
        m_properties.mnuPropertyClick();
    });
    QMenu *stripMenu = buildStripMenu();
    connect(m_strip, &ThumbnailStrip::stripMenuRequested, stripMenu,
        [stripMenu](QPoint at) { stripMenu->popup(at); });
    connect(m_strip, &ThumbnailStrip::menuRequested, this, [this](int index, QPoint at) {
        if (!m_state.playing && !m_album.opening())
            selectObject(index, 2);
        m_objectMenu->popup(at);
    });
    bindTimeline();
}

void TFrmMain::bindTimeline()
{
    TimelineCommands &t = m_timelineCommands;
    const auto allowed = [&t] { return t.dragAllowed(); };
    m_strip->setDragAllowed(allowed);
    m_timeline->setDragAllowed(allowed);
    m_timeline->setMemberResizeAllowed([this] { return !m_state.playing; });
    connect(m_strip, &ThumbnailStrip::objectDropped, this,
        [&t](int source, int target) { t.PanelMoveControl1Moved(source, target); });
    connect(m_timeline, &TimelineView::memberClicked, this,
        [&t](int index, int member) { t.SubTimePanelClick(index, member); });
    connect(m_timeline, &TimelineView::rowDropped, this,
        [&t](int source, int target) { t.SizeControl1Moved(source, target); });
    connect(m_timeline, &TimelineView::rowResized, this,
        [this, &t](int index, int width) { t.resizeObject(index, width, m_timeline->scale()); });
    connect(m_timeline, &TimelineView::rowWidthChanged, this,
        [this, &t](int index, int width) { t.PsResize(index, width, m_timeline->scale()); });
    connect(m_timeline, &TimelineView::memberResized, this,
        [this, &t](int index, int member, int width) {
            t.resizeMember(index, member, width, m_timeline->scale());
        });
}

void TFrmMain::installHooks()
{
    EditorState::Hooks &h = m_state.hooks;
    h.busyCursor = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    h.suspendTimeline = [this](bool on) { m_timeline->setUpdatesEnabled(!on); };
    h.processEvents = [] { QCoreApplication::processEvents(); };
    h.selectObject = [this](int index, int mode) { selectObject(index, mode); };
    h.clearPreview = [this] { showPicture({}); };
    h.stopPlayback = [this] { m_preview->engine().stop(); };
    h.statusProgress = [this](const QString &text) { m_panels[4]->setText(text); };
    h.workProgress
        = [this](const QString &format, qsizetype done, qsizetype total, qint64 elapsedMs) {
              return m_work->progress(format, done, total, elapsedMs);
          };
    h.workFinished = [this] { m_work->finish(); };
    h.exportToDevice = [this] { m_export.mnuExport_EquipClick(); };
    m_state.programFolder = QCoreApplication::applicationDirPath() + u'/';
    m_state.windowId = winId();
}

// The modes differ only in how an outline view would follow, and this
// window shows none: every mode selects alike.
void TFrmMain::selectObject(int index, int)
{
    if (index < 0 || index >= m_album.objectCount())
        return;
    // While playing, another object restarts playback there.
    PlaybackEngine &engine = m_preview->engine();
    if (engine.playing()) {
        engine.restartAt(index);
        return;
    }
    m_album.setCurrentObject(index);
    m_strip->ensureVisible(index);
    m_timeline->ensureVisible(index);
    const AlbumObject &o = m_album.object(index);
    QCheckBox *repeat = m_transport->repeat();
    repeat->setVisible(o.kind == ObjectKind::AudioWithStill);
    repeat->setChecked(o.repeatMembers);
    // A photo with sound keeps its sound among the members but has no
    // member blocks.
    const int members = o.kind == ObjectKind::StillWithAudio ? 0 : int(o.memberFiles.size());
    if (members == 0) {
        showPreview(index, o.currentMember);
        return;
    }
    // An object with member blocks selects one of them, whatever the mode:
    // the member of the object selected before is not this one's.
    const int member = o.currentMember >= 0 && o.currentMember < members ? o.currentMember : 0;
    m_album.setCurrentMemberIndex(member);
    showPreview(index, member);
}

void TFrmMain::showPreview(int index, int member)
{
    showPicture(PreviewPicture::of(m_album.object(index), member, m_preview->pictureArea()));
}

void TFrmMain::showPicture(const QImage &picture)
{
    m_preview->showStill(picture);
}

void TFrmMain::showStatus()
{
    m_panels[1]->setText(m_album.totalTimeText());
    m_panels[2]->setText(m_album.totalBackgroundMusicText());
    m_panels[4]->setText(QString::number(m_album.currentObject() + 1) + u" / "_s
        + QString::number(m_album.objectCount()) + QString::fromUtf16(Texts::ObjectsSuffix));
}

void TFrmMain::closeEvent(QCloseEvent *event)
{
    if (m_lifecycle.FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

void TFrmMain::keyPressEvent(QKeyEvent *event)
{
    // Del deletes the object unless a text field takes the key.
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier
        && !qobject_cast<QLineEdit *>(QApplication::focusWidget())) {
        m_editing.DelMenuClick();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TFrmMain::dropFiles(const QStringList &files)
{
    m_editing.dropFiles(files);
}

void TFrmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFrmMain::dropEvent(QDropEvent *event)
{
    QStringList files;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    dropFiles(files);
}
