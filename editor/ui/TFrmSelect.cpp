#include "TFrmSelect.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Choice
{
    QString title;
    QString description;
};

const Choice Choices[] = {
    {u"Making Image Album (*.pvm)"_s,
        u"It enables you to edit photo (*.JPG) and dynamic image as well, and to insert music "
        "(basic time) or background music into the whole edited album by pressing the button "
        "\"Adding Music\" on the upper part of each photo."
        "Any completed albums will be stored onto *.pvm, and by selecting this image, you will "
        "hear music edited."_s},
    {u"Making Music Album (*.mum)"_s,
        u"In case you make music album, please select this item."
        "It enables you to edit music and also you may add image by pressing right button of "
        "mouse with selection of music one by one."
        "Any completed album will be stored onto *.mum and by selecting this music file, you "
        "will see the edited image while listening music."_s},
    {u"Making Album for the use of PPL(*.ppl)"_s,
        u"Clients who owns dedicated equipments for the use of PPL, please select this item."
        "You may make an album for the sake of dedicated equipment for the use of PPL. You can "
        "perform a function as if making an image album."
        "Album that has been completed will be stored onto *.ppl, and you can hear album edited "
        "in the dedicated equipment for the use of PPL."_s},
};

} // namespace

TFrmSelect::TFrmSelect(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
    , m_choices(new QButtonGroup(this))
{
    setWindowTitle(u"Making New Album"_s);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(u"Select item for making new album"_s, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    int id = 0;
    for (const Choice &c : Choices) {
        auto *button = new QRadioButton(c.title, this);
        m_choices->addButton(button, id++);
        auto *description = new QLabel(c.description, this);
        description->setWordWrap(true);
        description->setFixedWidth(480);
        description->setContentsMargins(22, 0, 0, 8);
        layout->addWidget(button);
        layout->addWidget(description);
    }
    m_choices->button(2)->setChecked(true);
    // The arrow keys pick another item at once; Return takes it.
    m_choices->button(2)->setFocus();

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole);
    buttons->addButton(u"Cancel"_s, QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int TFrmSelect::choice() const
{
    return m_choices->checkedId();
}
