#include "TFrmObjProp.h"

#include "CommandPrompts.h"
#include "ObjectDialogState.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

TFrmObjProp::TFrmObjProp(ObjectDialogState &state, CommandPrompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_state(state)
    , m_prompts(prompts)
    , m_entries(new QListWidget(this))
    , m_preview(new QLabel(u"Image Viewer"_s, this))
    , m_path(new QLineEdit(this))
    , m_duration(new QSpinBox(this))
    , m_audioName(new QLineEdit(this))
    , m_audioPath(new QLineEdit(this))
{
    setModal(true);
    m_entries->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_preview->setFixedSize(160, 120);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setScaledContents(true);
    m_path->setReadOnly(true);
    m_audioName->setReadOnly(true);
    m_audioPath->setReadOnly(true);
    m_duration->setRange(1, 1000);
    m_duration->installEventFilter(this);

    auto *image = new QGroupBox(u"Image"_s, this);
    auto *imageLayout = new QGridLayout(image);
    imageLayout->addWidget(m_entries, 0, 0, 4, 1);
    imageLayout->addWidget(m_preview, 0, 1, 1, 3);
    imageLayout->addWidget(new QLabel(u"Path:"_s, image), 1, 1);
    imageLayout->addWidget(m_path, 1, 2, 1, 2);
    imageLayout->addWidget(new QLabel(u"Time :"_s, image), 2, 1);
    imageLayout->addWidget(m_duration, 2, 2);
    imageLayout->addWidget(new QLabel(u"Sec"_s, image), 2, 3);
    auto *imageButtons = new QHBoxLayout;
    m_add = button(u"Add"_s, &TFrmObjProp::add);
    m_delete = button(u"Delete"_s, &TFrmObjProp::remove);
    m_up = button(u"Up"_s, &TFrmObjProp::up);
    m_down = button(u"Down"_s, &TFrmObjProp::down);
    for (QPushButton *b : {m_add, m_delete, m_up, m_down})
        imageButtons->addWidget(b);
    imageLayout->addLayout(imageButtons, 3, 1, 1, 3);

    auto *audio = new QGroupBox(u"Audio"_s, this);
    auto *audioLayout = new QGridLayout(audio);
    audioLayout->addWidget(m_audioName, 0, 0, 1, 2);
    audioLayout->addWidget(new QLabel(u"Path:"_s, audio), 1, 0);
    audioLayout->addWidget(m_audioPath, 1, 1);
    m_change = button(u"Change"_s, &TFrmObjProp::changeAudio);
    m_deleteAudio = button(u"Delete"_s, &TFrmObjProp::deleteAudio);
    audioLayout->addWidget(m_change, 0, 2);
    audioLayout->addWidget(m_deleteAudio, 1, 2);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(image);
    layout->addWidget(audio);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_entries, &QListWidget::itemSelectionChanged, this, &TFrmObjProp::entriesClicked);
    connect(m_duration, &QSpinBox::valueChanged, this, [this](int seconds) {
        if (!m_refreshing)
            m_state.spinDurTimeChange(seconds);
    });
    refresh();
}

QPushButton *TFrmObjProp::button(const QString &caption, void (TFrmObjProp::*slot)())
{
    auto *b = new QPushButton(caption, this);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

bool TFrmObjProp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_duration && event->type() == QEvent::FocusIn)
        m_state.spinDurTimeEnter();
    if (watched == m_duration && event->type() == QEvent::FocusOut) {
        m_state.spinDurTimeExit();
        refresh();
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmObjProp::refresh()
{
    m_refreshing = true;
    setWindowTitle(m_state.caption);
    m_entries->clear();
    m_entries->addItems(m_state.names);
    for (const int i : std::as_const(m_state.selected)) {
        if (QListWidgetItem *item = m_entries->item(i))
            item->setSelected(true);
    }
    m_path->setText(m_state.pathField);
    m_path->setToolTip(m_state.pathField);
    const QPixmap picture(m_state.previewFile);
    if (picture.isNull())
        m_preview->setText(u"Image Viewer"_s);
    else
        m_preview->setPixmap(picture);
    if (m_state.durationBox > 0)
        m_duration->setValue(m_state.durationBox);
    m_duration->setEnabled(m_state.durationEnabled);
    m_add->setEnabled(m_state.imageButtonsEnabled);
    m_delete->setEnabled(m_state.imageButtonsEnabled);
    m_up->setEnabled(m_state.upDownEnabled);
    m_down->setEnabled(m_state.upDownEnabled);
    m_change->setEnabled(m_state.audioButtonsEnabled);
    m_deleteAudio->setEnabled(m_state.audioButtonsEnabled);
    m_audioName->setText(m_state.audioName);
    m_audioPath->setText(m_state.audioPath);
    m_audioName->setEnabled(m_state.audioFieldsEnabled);
    m_audioPath->setEnabled(m_state.audioFieldsEnabled);
    m_refreshing = false;
}

void TFrmObjProp::entriesClicked()
{
    if (m_refreshing)
        return;
    QList<int> rows;
    for (const QListWidgetItem *item : m_entries->selectedItems())
        rows.append(m_entries->row(item));
    m_state.LBImageClick(rows);
    refresh();
}

void TFrmObjProp::add()
{
    m_state.BtnAddImageClick(m_prompts);
    refresh();
}

void TFrmObjProp::remove()
{
    m_state.BtnDeleteImageClick(m_prompts);
    refresh();
}

void TFrmObjProp::up()
{
    m_state.BtnMoveUPClick();
    refresh();
}

void TFrmObjProp::down()
{
    m_state.BtnMoveDownClick();
    refresh();
}

void TFrmObjProp::changeAudio()
{
    m_state.BtnAddAudioClick(m_prompts);
    refresh();
}

void TFrmObjProp::deleteAudio()
{
    m_state.BtnDeleteAudioClick();
    refresh();
}
