#include "FileBrowserPane.h"

#include "BrowserModel.h"

#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using FileBrowserRules::ViewStyle;

namespace {
const QString Drives = u"Drives"_s;
} // namespace

FileBrowserPane::FileBrowserPane(QWidget *parent)
    : QWidget(parent)
    , m_model(new BrowserModel(this))
    , m_folders(new QFileSystemModel(this))
{
    // System and hidden files are listed too, with the parent entry.
    m_model->setFilter(QDir::AllDirs | QDir::Files | QDir::NoDot | QDir::System | QDir::Hidden);
    m_model->setNameFilterDisables(false);
    m_model->setReadOnly(true);
    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    // The tree fills once the window shows: the first folder's icon starts
    // the desktop's icon theme, which takes longer than building the window.
    QTimer::singleShot(0, m_folders, [folders = m_folders] { folders->setRootPath(u"/"_s); });

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto *bar = new QHBoxLayout;
    bar->addWidget(new QLabel(u"Path"_s, this));
    m_address = new QComboBox(this);
    m_address->setEditable(true);
    m_address->addItem(Drives);
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bar->addWidget(m_address, 1);
    auto *up = new QToolButton(this);
    up->setText(u"Up"_s);
    up->setToolTip(u"Up"_s);
    bar->addWidget(up);
    auto *view = new QToolButton(this);
    view->setText(u"View"_s);
    view->setToolTip(u"View Style"_s);
    view->setPopupMode(QToolButton::MenuButtonPopup);
    auto *styles = new QMenu(view);
    m_styles = new QActionGroup(this);
    const QString names[] = {u"Large Icon"_s, u"Small Icon"_s, u"List"_s, u"Detail"_s};
    for (int tag = 0; tag < 4; ++tag) {
        QAction *a = styles->addAction(names[tag]);
        a->setCheckable(true);
        a->setData(tag);
        m_styles->addAction(a);
        connect(a, &QAction::triggered, this, [this, tag] { setViewStyle(ViewStyle(tag)); });
    }
    view->setMenu(styles);
    bar->addWidget(view);
    column->addLayout(bar);

    auto *split = new QSplitter(Qt::Vertical, this);
    m_tree = new QTreeView(split);
    m_tree->setModel(m_folders);
    m_tree->setHeaderHidden(true);
    for (int c = 1; c < m_folders->columnCount(); ++c)
        m_tree->hideColumn(c);
    m_views = new QStackedWidget(split);
    m_list = new QListView(m_views);
    m_details = new QTreeView(m_views);
    m_details->setRootIsDecorated(false);
    m_details->setItemsExpandable(false);
    m_details->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (QAbstractItemView *v :
        {static_cast<QAbstractItemView *>(m_list), static_cast<QAbstractItemView *>(m_details)}) {
        v->setModel(m_model);
        v->setSelectionMode(QAbstractItemView::ExtendedSelection);
        v->setDragEnabled(true);
        v->setDragDropMode(QAbstractItemView::DragOnly);
        v->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(v, &QAbstractItemView::clicked, this, &FileBrowserPane::DirViewClick);
        connect(v, &QAbstractItemView::doubleClicked, this, &FileBrowserPane::DirViewDblClick);
        m_views->addWidget(v);
    }
    split->setStretchFactor(1, 2);
    column->addWidget(split, 1);

    connect(up, &QToolButton::clicked, this, &FileBrowserPane::sbUpClick);
    connect(view, &QToolButton::clicked, this, &FileBrowserPane::sbViewClick);
    connect(m_address, &QComboBox::textActivated, this,
        [this](const QString &path) { navigate(path == Drives ? u"/"_s : path); });
    // Folders load in the background: the tree reaches the current folder
    // as its parents arrive, and shows it again after the model has sorted
    // them (which moves rows). Only while the way to a new folder loads:
    // later loads and sorts (a folder the user opens) must not pull the tree
    // back.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (!m_revealing.hasExpired() && m_folder.startsWith(loaded))
            QTimer::singleShot(0, this, &FileBrowserPane::showFolderInTree);
    });
    connect(m_folders, &QAbstractItemModel::layoutChanged, this, [this] {
        if (!m_revealing.hasExpired())
            m_tree->scrollTo(m_tree->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(m_tree, &QTreeView::clicked, this,
        [this](const QModelIndex &index) { navigate(m_folders->filePath(index)); });
    setViewStyle(ViewStyle::List);
}

QAbstractItemView *FileBrowserPane::listView() const
{
    return m_style == ViewStyle::Detail ? static_cast<QAbstractItemView *>(m_details) : m_list;
}

void FileBrowserPane::setMask(const QString &mask)
{
    // The window passes the mask on every state change; filtering the folder
    // again is only worth it when the mask is new.
    const QStringList patterns = FileBrowserRules::maskPatterns(mask);
    if (patterns != m_model->nameFilters())
        m_model->setNameFilters(patterns);
}

void FileBrowserPane::navigate(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QFileInfo(path).isDir())
        return;
    m_folder = path;
    m_revealing.setRemainingTime(RevealMilliseconds);
    // The list's model watches the folder it shows, so files that come and
    // go there show at once.
    const QModelIndex root = m_model->setRootPath(path);
    m_list->setRootIndex(root);
    m_details->setRootIndex(root);
    if (m_address->findText(path) < 0)
        m_address->addItem(path);
    m_address->setCurrentText(path);
    showFolderInTree();
    forgetPicture();
}

void FileBrowserPane::showFolderInTree()
{
    // Every folder on the way is opened, so the tree can show the last one.
    for (QModelIndex up = m_folders->index(m_folder).parent(); up.isValid(); up = up.parent())
        m_tree->expand(up);
    const QModelIndex node = m_folders->index(m_folder);
    m_tree->setCurrentIndex(node);
    m_tree->scrollTo(node, QAbstractItemView::PositionAtCenter);
}

void FileBrowserPane::forgetPicture()
{
    if (std::exchange(m_pictureShown, false))
        Q_EMIT clearPicture();
}

void FileBrowserPane::sbUpClick()
{
    if (const auto parent = FileBrowserRules::upFrom(m_folder))
        navigate(*parent);
}

void FileBrowserPane::setViewStyle(ViewStyle style)
{
    m_style = style;
    switch (style) {
    case ViewStyle::LargeIcon:
        m_list->setViewMode(QListView::IconMode);
        m_list->setIconSize(QSize(32, 32));
        m_list->setGridSize(QSize(96, 64));
        break;
    case ViewStyle::SmallIcon:
        m_list->setViewMode(QListView::IconMode);
        m_list->setIconSize(QSize(16, 16));
        m_list->setGridSize(QSize(160, 22));
        break;
    case ViewStyle::List:
        m_list->setViewMode(QListView::ListMode);
        m_list->setIconSize(QSize(16, 16));
        m_list->setGridSize(QSize());
        m_list->setFlow(QListView::TopToBottom);
        m_list->setWrapping(true);
        break;
    case ViewStyle::Detail:
        break;
    }
    m_list->setMovement(QListView::Static);
    // A static list (and every change of view mode) turns dragging off;
    // files are dragged out of every view style onto the album.
    m_list->setDragEnabled(true);
    m_list->setDragDropMode(QAbstractItemView::DragOnly);
    m_views->setCurrentWidget(listView());
    m_styles->actions().at(int(style))->setChecked(true);
}

void FileBrowserPane::sbViewClick()
{
    setViewStyle(FileBrowserRules::nextViewStyle(m_style));
}

void FileBrowserPane::DirViewClick(const QModelIndex &index)
{
    const QString path = m_model->filePath(index);
    if (!m_model->isDir(index) && FileBrowserRules::previewsOnClick(path)) {
        m_pictureShown = true;
        Q_EMIT showPicture(path);
    } else {
        m_pictureShown = false;
        Q_EMIT clearPicture();
    }
}

void FileBrowserPane::DirViewDblClick(const QModelIndex &index)
{
    if (!m_model->isDir(index))
        return;
    navigate(m_model->filePath(index));
    listView()->setCurrentIndex(m_model->index(0, 0, listView()->rootIndex()));
    listView()->setFocus();
}
