#include "TFrmViewProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

TFrmViewProgress::TFrmViewProgress(std::function<void()> work, QWidget *parent)
    : QDialog(parent)
    , m_work(std::move(work))
    , m_bar(new QProgressBar(this))
{
    setWindowTitle(u"Update"_s);
    auto *column = new QVBoxLayout(this);
    for (const QString &line : {u"Updating database"_s, u"Wait for updating"_s}) {
        auto *label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        column->addWidget(label);
    }
    m_bar->setRange(0, 100);
    m_bar->setValue(20);
    m_bar->setTextVisible(false);
    column->addWidget(m_bar);
    resize(320, sizeHint().height());
    auto *pulse = new QTimer(this);
    connect(pulse, &QTimer::timeout, this, [this] {
        if (m_bar->value() >= 100)
            m_bar->setValue(0);
        m_bar->setValue(m_bar->value() + 2);
    });
    pulse->start(200);
}

int TFrmViewProgress::exec()
{
    QTimer::singleShot(10, this, [this] {
        m_work();
        accept();
    });
    return QDialog::exec();
}
