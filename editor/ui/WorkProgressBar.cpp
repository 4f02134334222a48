#include "WorkProgressBar.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

WorkProgressBar::WorkProgressBar(QWidget *parent)
    : QWidget(parent)
    , m_bar(new QProgressBar(this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    m_bar->setFixedWidth(240);
    row->addWidget(m_bar);
    auto *cancel = new QToolButton(this);
    cancel->setText(u"Cancel"_s);
    connect(cancel, &QToolButton::clicked, this, [this] { m_cancelled = true; });
    row->addWidget(cancel);
    hide();
}

bool WorkProgressBar::progress(
    const QString &format, qsizetype done, qsizetype total, qint64 elapsedMs)
{
    m_bar->setFormat(format);
    if (elapsedMs >= ShowAfterMs && isHidden())
        show();
    m_bar->setRange(0, int(total));
    m_bar->setValue(int(done));
    return m_cancelled;
}

void WorkProgressBar::finish()
{
    hide();
    m_cancelled = false;
}
