#include "TFrmDelDevImg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// The desktop's name for the file's type; "PPL File" for a type it does not
// know.
QString typeOf(const QMimeDatabase &types, const QFileInfo &file)
{
    const QMimeType type = types.mimeTypeForFile(file, QMimeDatabase::MatchExtension);
    return type.isDefault() ? file.suffix().toUpper() + u" File"_s : type.comment();
}

} // namespace

TFrmDelDevImg::TFrmDelDevImg(const PlayerFilesRequest &request, QWidget *parent)
    : QDialog(parent)
    , m_request(request)
    , DelFileList(new QTreeWidget(this))
{
    using Mode = PlayerFilesRequest::Mode;
    setWindowTitle(request.caption);
    DelFileList->setHeaderLabels({u"Name"_s, u"Size"_s, u"Type"_s, u"Date"_s, u"Note"_s});
    DelFileList->setRootIsDecorated(false);
    DelFileList->setSelectionBehavior(QAbstractItemView::SelectRows);
    DelFileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DelFileList->setSelectionMode(request.mode == Mode::Open
            ? QAbstractItemView::SingleSelection
            : QAbstractItemView::ExtendedSelection);
    DelFileList->setColumnWidth(0, 220);

    auto *column = new QVBoxLayout(this);
    column->addWidget(DelFileList);
    auto *buttons = new QDialogButtonBox(this);
    if (request.mode == Mode::Delete) {
        m_images = new QCheckBox(u"Delete include image files"_s, this);
        m_audio = new QCheckBox(u"Delete include audio files"_s, this);
        m_images->setChecked(true);
        m_audio->setChecked(true);
        auto *boxes = new QHBoxLayout;
        boxes->addWidget(m_images);
        boxes->addWidget(m_audio);
        boxes->addStretch();
        column->addLayout(boxes);
        connect(buttons->addButton(u"&Delete"_s, QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &TFrmDelDevImg::deleteChosen);
    } else {
        connect(buttons->addButton(u"&Open"_s, QDialogButtonBox::AcceptRole), &QPushButton::clicked,
            this, &TFrmDelDevImg::take);
    }
    connect(buttons->addButton(u"Close"_s, QDialogButtonBox::RejectRole), &QPushButton::clicked,
        this, &QDialog::reject);
    column->addWidget(buttons);
    if (request.mode == Mode::Open)
        connect(DelFileList, &QTreeWidget::itemDoubleClicked, this, &TFrmDelDevImg::take);
    listFolder();
    resize(640, 380);
}

void TFrmDelDevImg::listFolder()
{
    DelFileList->clear();
    QDir folder(m_request.folder);
    folder.setNameFilters(m_request.masks);
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    const QMimeDatabase types;
    const QLocale locale;
    // FAT keeps names in any case: the patterns ignore it.
    for (const QFileInfo &file : folder.entryInfoList()) {
        auto *item = new QTreeWidgetItem(DelFileList,
            {file.fileName(), locale.formattedDataSize(file.size()), typeOf(types, file),
                locale.toString(file.lastModified(), QLocale::ShortFormat), QString()});
        item->setData(0, Qt::UserRole, file.absoluteFilePath());
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    // A single file is chosen for the user.
    if (DelFileList->topLevelItemCount() == 1) {
        DelFileList->setCurrentItem(DelFileList->topLevelItem(0));
        DelFileList->topLevelItem(0)->setSelected(true);
    }
}

QStringList TFrmDelDevImg::chosen() const
{
    return m_chosen;
}

QStringList TFrmDelDevImg::selectedPaths() const
{
    QStringList paths;
    for (int i = 0; i < DelFileList->topLevelItemCount(); ++i) {
        if (DelFileList->topLevelItem(i)->isSelected())
            paths.append(DelFileList->topLevelItem(i)->data(0, Qt::UserRole).toString());
    }
    return paths;
}

void TFrmDelDevImg::take()
{
    m_chosen = selectedPaths();
    if (!m_chosen.isEmpty())
        accept();
}

void TFrmDelDevImg::deleteChosen()
{
    const QStringList paths = selectedPaths();
    if (paths.isEmpty())
        return;
    m_request.deleteFiles(paths, m_images->isChecked(), m_audio->isChecked());
    listFolder();
}

void TFrmDelDevImg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && m_request.mode == PlayerFilesRequest::Mode::Delete) {
        deleteChosen();
        return;
    }
    QDialog::keyPressEvent(event);
}
