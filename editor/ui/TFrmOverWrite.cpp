#include "TFrmOverWrite.h"

#include "Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int LineWidth = 360;
}

TFrmOverWrite::TFrmOverWrite(const QString &target, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QString::fromUtf16(Texts::CaptionConfirm));
    auto *column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QString::fromUtf16(Texts::SameFileName), this));
    auto *path = new QLabel(this);
    path->setFixedWidth(LineWidth);
    path->setText(path->fontMetrics().elidedText(target, Qt::ElideMiddle, LineWidth));
    path->setToolTip(target);
    column->addWidget(path);
    column->addWidget(new QLabel(QString::fromUtf16(Texts::OverwriteQuestion), this));
    auto *row = new QHBoxLayout;
    using Overwrite = CommandPrompts::Overwrite;
    const std::pair<QString, Overwrite> buttons[]
        = {{u"&Yes"_s, Overwrite::Yes}, {u"Yes &All"_s, Overwrite::YesToAll},
            {u"&No"_s, Overwrite::No}, {u"&Cancel"_s, Overwrite::Cancel}};
    for (const auto &[caption, answer] : buttons) {
        auto *button = new QPushButton(caption, this);
        button->setDefault(answer == Overwrite::Yes);
        connect(button, &QPushButton::clicked, this, [this, answer] {
            m_answer = answer;
            accept();
        });
        row->addWidget(button);
    }
    column->addLayout(row);
}

void TFrmOverWrite::reject()
{
    m_answer = CommandPrompts::Overwrite::Cancel;
    QDialog::reject();
}
