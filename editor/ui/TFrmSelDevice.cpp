#include "TFrmSelDevice.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmSelDevice::TFrmSelDevice(const DeviceRequest &request, QWidget *parent)
    : QDialog(parent)
    , MainPanel(new QLabel(request.banner, this))
    , FlatPanel1(new QFrame(this))
    , LVDrive(new QTreeWidget(FlatPanel1))
    , edtAlbumName(new QLineEdit(request.albumName, FlatPanel1))
    , m_accepts(request.accepts)
{
    setWindowTitle(u"Select device"_s);
    MainPanel->setMargin(8);
    QFont bold = MainPanel->font();
    bold.setBold(true);
    MainPanel->setFont(bold);

    LVDrive->setHeaderLabels({u"Removal Drive"_s});
    LVDrive->setRootIsDecorated(false);
    LVDrive->setSelectionBehavior(QAbstractItemView::SelectRows);
    LVDrive->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const DeviceChoice::Entry &entry : request.entries) {
        auto *item = new QTreeWidgetItem(LVDrive, {entry.caption()});
        if (entry.root().isEmpty()) {
            item->setFlags(Qt::NoItemFlags);
            item->setToolTip(0, u"No drive was found for this player."_s);
        }
    }
    if (QTreeWidgetItem *first = LVDrive->topLevelItem(request.selected)) {
        LVDrive->setCurrentItem(first);
        first->setSelected(true);
    }

    auto *nameRow = new QWidget(FlatPanel1);
    auto *nameLayout = new QHBoxLayout(nameRow);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    nameLayout->addWidget(new QLabel(u"Album name:"_s, nameRow));
    edtAlbumName->setParent(nameRow);
    nameLayout->addWidget(edtAlbumName);
    auto *panel = new QVBoxLayout(FlatPanel1);
    panel->addWidget(LVDrive);
    panel->addWidget(nameRow);
    // Without the album name row the panel is cut to the list.
    if (!request.albumNameRow) {
        nameRow->hide();
        FlatPanel1->setFixedHeight(130);
    }

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *btnSave = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    btnSave->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFrmSelDevice::btnSaveClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(LVDrive, &QTreeWidget::itemDoubleClicked, this, &TFrmSelDevice::btnSaveClick);

    auto *column = new QVBoxLayout(this);
    column->addWidget(MainPanel);
    column->addWidget(FlatPanel1);
    column->addWidget(buttons);
    resize(420, sizeHint().height());
}

void TFrmSelDevice::btnSaveClick()
{
    if (LVDrive->topLevelItemCount() == 0) {
        reject();
        return;
    }
    if (m_accepts && !m_accepts(answer()))
        return;
    accept();
}

DeviceAnswer TFrmSelDevice::answer() const
{
    const QModelIndex current = LVDrive->currentIndex();
    return {current.isValid() ? current.row() : 0, edtAlbumName->text()};
}
