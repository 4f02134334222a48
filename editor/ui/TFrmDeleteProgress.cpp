#include "TFrmDeleteProgress.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmDeleteProgress::TFrmDeleteProgress(
    QStringList files, std::function<void(const QString &)> remove, QWidget *parent)
    : QDialog(parent)
    , m_files(std::move(files))
    , m_remove(std::move(remove))
    , m_name(new QLabel(this))
{
    setWindowTitle(u"Delete"_s);
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(u"Deleting Albums..."_s, this));
    m_name->setMinimumWidth(380);
    column->addWidget(m_name);
}

int TFrmDeleteProgress::exec()
{
    QTimer::singleShot(0, this, &TFrmDeleteProgress::deleteNext);
    return QDialog::exec();
}

void TFrmDeleteProgress::deleteNext()
{
    if (m_next >= m_files.size()) {
        accept();
        return;
    }
    const QString &file = m_files[m_next++];
    m_name->setText(fontMetrics().elidedText(file, Qt::ElideMiddle, m_name->width()));
    m_remove(file);
    QTimer::singleShot(0, this, &TFrmDeleteProgress::deleteNext);
}
