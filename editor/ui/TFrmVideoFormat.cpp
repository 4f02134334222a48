#include "TFrmVideoFormat.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

using namespace Qt::Literals::StringLiterals;

TFrmVideoFormat::TFrmVideoFormat(const VideoFormatRequest &request, QWidget *parent)
    : QDialog(parent)
    , m_size(new QComboBox(this))
    , m_rate(new QComboBox(this))
    , m_quality(new QSpinBox(this))
{
    setWindowTitle(u"Export to Video"_s);
    for (qsizetype i = 0; i < request.sizes.size(); ++i) {
        const QSize size = request.sizes[i];
        // The sizes after the three standard ones are the player's screen.
        const QString name = u"%1 x %2"_s.arg(size.width()).arg(size.height())
            + (i >= 3 ? u" (player screen)"_s : QString());
        m_size->addItem(name, size);
    }
    const int current = m_size->findData(request.current.size);
    if (current >= 0) {
        m_size->setCurrentIndex(current);
    } else {
        m_size->addItem(
            u"%1 x %2"_s.arg(request.current.size.width()).arg(request.current.size.height()),
            request.current.size);
        m_size->setCurrentIndex(m_size->count() - 1);
    }
    for (const int fps : {25, 30})
        m_rate->addItem(u"%1 frames a second"_s.arg(fps), fps);
    if (m_rate->findData(request.current.fps) < 0)
        m_rate->addItem(u"%1 frames a second"_s.arg(request.current.fps), request.current.fps);
    m_rate->setCurrentIndex(m_rate->findData(request.current.fps));
    m_quality->setRange(0, 51);
    m_quality->setValue(request.current.crf);
    m_quality->setToolTip(u"Lower numbers give a better picture and a larger file; 23 suits "
                          u"most screens."_s);

    auto *form = new QFormLayout(this);
    form->addRow(u"Picture size:"_s, m_size);
    form->addRow(u"Frame rate:"_s, m_rate);
    form->addRow(u"Quality (0 best, 51 smallest):"_s, m_quality);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(u"Export"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

VideoFormat TFrmVideoFormat::format() const
{
    return {m_size->currentData().toSize(), m_rate->currentData().toInt(), m_quality->value()};
}
