#pragma once

#include "FileBrowserRules.h"

#include <QDeadlineTimer>
#include <QWidget>

class BrowserModel;
class QAbstractItemView;
class QActionGroup;
class QComboBox;
class QFileSystemModel;
class QListView;
class QStackedWidget;
class QTreeView;

// The file browser beside the album: a folder tree, the address box and the
// file list of the current folder limited to the album type's mask. Files
// are dragged from it onto the window; a click on a JPEG shows it in the
// preview.
class FileBrowserPane final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileBrowserPane)

public:
    explicit FileBrowserPane(QWidget *parent = nullptr);

    BrowserModel &model() { return *m_model; }
    QString folder() const { return m_folder; }
    void navigate(const QString &folder);
    void setMask(const QString &mask);
    FileBrowserRules::ViewStyle viewStyle() const { return m_style; }
    void setViewStyle(FileBrowserRules::ViewStyle style);
    // The view showing the list in the current style.
    QAbstractItemView *listView() const;

    void sbUpClick();
    void sbViewClick();

Q_SIGNALS:
    void showPicture(const QString &path);
    void clearPicture();

private:
    void DirViewClick(const QModelIndex &index);
    void DirViewDblClick(const QModelIndex &index);
    void forgetPicture();
    void showFolderInTree();

    BrowserModel *m_model = nullptr;
    QFileSystemModel *m_folders = nullptr;
    QTreeView *m_tree = nullptr;
    QComboBox *m_address = nullptr;
    QStackedWidget *m_views = nullptr;
    QListView *m_list = nullptr;
    QTreeView *m_details = nullptr;
    QActionGroup *m_styles = nullptr;
    QString m_folder;
    // How long after navigating the tree keeps the folder in view while the
    // model loads and sorts the folders on the way.
    static constexpr int RevealMilliseconds = 3000;
    QDeadlineTimer m_revealing{0};
    FileBrowserRules::ViewStyle m_style = FileBrowserRules::ViewStyle::List;
    bool m_pictureShown = false;
};
