#include "TFrmAbout.h"

#include "ApplicationIdentity.h"
#include "LibraryVersions.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmAbout::TFrmAbout(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(u"About Quillan"_s);
    auto *picture = new QLabel(this);
    picture->setPixmap(ApplicationIdentity::icon().pixmap(96, 96));
    picture->setAlignment(Qt::AlignTop);

    auto *title = new QLabel(u"Quillan "_s + quillanVersion(), this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    auto *text = new QLabel(details(), this);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *column = new QVBoxLayout;
    column->addWidget(title);
    column->addWidget(text);
    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addLayout(column, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

QString TFrmAbout::details()
{
    QString text = u"Album editor for portable media players.\n"
                   "Licensed under the GNU General Public License, version 3 or later.\n\n"
                   "Libraries:\n"_s;
    for (const LibraryVersion &library : libraryVersions()) {
        text += u"  "_s + library.name + u' ' + library.version
            + (library.atRunTime ? QString() : u" (built with)"_s) + u'\n';
    }
    return text.trimmed();
}
