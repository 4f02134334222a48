#include "TFrmTR.h"

#include "AlbumDocument.h"
#include "ThumbnailStrip.h"
#include "WinColor.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int RowHeight = 40;

const QString &labelOf(int row)
{
    static const QString labels[] = {u"Alphablend"_s, u"Horizontalwipe"_s, u"Verticalwipe"_s};
    return labels[row];
}

} // namespace

TFrmTR::TFrmTR(AlbumDocument &album, int objectIndex, QWidget *parent)
    : QDialog(parent)
    , m_album(album)
    , m_objectIndex(objectIndex)
{
    setWindowTitle(u"Transition"_s);
    setFixedSize(173, 124);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, winColor(11500121));
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    for (int row = 0; row < 3; ++row) {
        QPixmap icon(36, 36);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        ThumbnailStrip::paintTransitionIcon(painter, icon.rect(), Transitions::nameOfChoice(row));
        painter.end();
        auto *picture = new QLabel(this);
        picture->setPixmap(icon);
        picture->setGeometry(4, 2 + row * RowHeight, 36, 36);
        auto *label = new QLabel(labelOf(row), this);
        label->setGeometry(48, 2 + row * RowHeight, 120, 36);
        // Clicks on the icon and the label reach the dialog's row.
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TFrmTR::mouseReleaseEvent(QMouseEvent *event)
{
    const int row = int(event->position().y()) / RowHeight;
    if (event->button() != Qt::LeftButton || row < 0 || row > 2)
        return;
    if (m_objectIndex < m_album.objectCount())
        m_album.ApplyTransition(m_objectIndex, Transitions::nameOfChoice(row));
    accept();
}

void TFrmTR::keyPressEvent(QKeyEvent *event)
{
    // Escape acts when it is released.
    if (event->key() != Qt::Key_Escape)
        QDialog::keyPressEvent(event);
}

void TFrmTR::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        reject();
    else
        QDialog::keyReleaseEvent(event);
}
