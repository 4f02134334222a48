#include "HandOverWindow.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

HandOverWindow::HandOverWindow(QWidget *parent, const QString &playerName, const QString &helpPage)
    : QDialog(parent)
    , m_count(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setWindowTitle(u"Photos"_s);
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(u"Fitting photos to the screen of "_s + playerName, this));
    layout->addWidget(m_count);
    layout->addWidget(m_bar);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Help | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
        [helpPage] { QDesktopServices::openUrl(QUrl::fromLocalFile(helpPage)); });
    connect(buttons, &QDialogButtonBox::rejected, this, &HandOverWindow::reject);
    resize(360, sizeHint().height());
}

void HandOverWindow::reject()
{
    m_cancelled = true;
    QDialog::reject();
}

void HandOverWindow::setProgress(int done, int total)
{
    m_count->setText(QString::number(done) + u" / "_s + QString::number(total) + u" photos"_s);
    m_bar->setRange(0, std::max(total, 1));
    m_bar->setValue(done);
}
