#include "ThumbnailStrip.h"

#include "AlbumDocument.h"
#include "WinColor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {
constexpr int BarHeight = 18;
} // namespace

ThumbnailStrip::ThumbnailStrip(const AlbumDocument &album, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_album(album)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    const auto changed = [this] { relayout(); };
    connect(&album, &AlbumDocument::objectInserted, this, changed);
    connect(&album, &AlbumDocument::objectRemoved, this, changed);
    connect(&album, &AlbumDocument::objectMoved, this, changed);
    connect(&album, &AlbumDocument::albumCleared, this, changed);
    const auto repaint = [this] { viewport()->update(); };
    connect(&album, &AlbumDocument::objectChanged, this, repaint);
    connect(&album, &AlbumDocument::thumbnailChanged, this, repaint);
    connect(&album, &AlbumDocument::currentObjectChanged, this, repaint);
    connect(&album, &AlbumDocument::propertiesChanged, this, repaint);
}

void ThumbnailStrip::setPercent(int percent)
{
    m_grid = ThumbnailGrid(percent);
    relayout();
}

void ThumbnailStrip::relayout()
{
    m_columns = m_grid.columns(viewport()->width());
    const int rows = (m_album.objectCount() + m_columns - 1) / m_columns;
    const int height = rows * m_grid.cellHeight() + 8;
    verticalScrollBar()->setRange(0, std::max(0, height - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(m_grid.cellHeight() / 4);
    viewport()->update();
}

QRect ThumbnailStrip::panelRect(int index) const
{
    return m_grid.cell(index, m_columns, verticalScrollBar()->value());
}

int ThumbnailStrip::indexAt(QPoint point) const
{
    const int row = (point.y() + verticalScrollBar()->value()) / std::max(1, m_grid.cellHeight());
    const int first = row * m_columns;
    for (int i = first; i < std::min(first + m_columns, m_album.objectCount()); ++i) {
        if (panelRect(i).contains(point))
            return i;
    }
    return -1;
}

void ThumbnailStrip::paintPanel(QPainter &p, int index) const
{
    const AlbumObject &o = m_album.object(index);
    const QRect cell = panelRect(index);
    const bool selected = index == m_album.currentObject();
    const bool ppl = m_album.pplMode();
    const QColor navy = winColor(WinColors::Navy);
    const QColor grey = winColor(WinColors::Grey);

    QRect title(cell.left(), cell.top(), cell.width(), BarHeight);
    p.fillRect(title, winColor(WinColors::TitleBar));
    p.setPen(Qt::black);
    p.drawText(title.adjusted(34, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft, o.durationCaption);
    const QRect number = numberBoxRect(cell);
    p.fillRect(number, winColor(WinColors::NumberBox));
    p.setPen(Qt::white);
    p.drawText(number, Qt::AlignCenter, QString::number(index + 1));
    if (ppl)
        paintTransitionIcon(p, transitionIconRect(cell), o.transition);

    const int bars = ppl ? 1 : 2;
    const QRect picture(
        cell.left(), title.bottom() + 1, cell.width(), cell.height() - BarHeight * (1 + bars));
    if (!o.thumbnail.isNull())
        p.drawImage(picture, o.thumbnail.image());

    const auto bar = [&](int slot, const QString &text, unsigned setColour) {
        const QRect r(cell.left(), cell.bottom() - BarHeight * slot + 1, cell.width(), BarHeight);
        p.fillRect(r, selected ? navy : text.isEmpty() ? grey : winColor(setColour));
        p.setPen(selected ? Qt::white : Qt::black);
        p.drawText(r.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
            p.fontMetrics().elidedText(text, Qt::ElideRight, r.width() - 6));
    };
    bar(bars, o.imageCaption, WinColors::LightGreen);
    if (!ppl)
        bar(1, o.audioCaption, WinColors::LightBlue);
    p.setPen(selected ? QPen(navy, 2) : QPen(palette().mid().color()));
    p.drawRect(cell.adjusted(0, 0, -1, -1));
}

QRect ThumbnailStrip::numberBoxRect(const QRect &cell)
{
    return {cell.left() + 1, cell.top() + 1, 30, 16};
}

QRect ThumbnailStrip::transitionIconRect(const QRect &cell)
{
    return QRect(cell.right() - 16, cell.top() + 1, 16, 16);
}

void ThumbnailStrip::paintTransitionIcon(QPainter &p, const QRect &r, const QString &transition)
{
    // Each transition drawn as what it does: a fade, a wipe across, a wipe down.
    p.fillRect(r, Qt::white);
    const QRect inner = r.adjusted(2, 2, -2, -2);
    const QColor ink = winColor(WinColors::Navy);
    if (transition == u"HORIZONTALWIPE") {
        p.fillRect(QRect(inner.left(), inner.top(), inner.width() / 2, inner.height()), ink);
    } else if (transition == u"VERTICALWIPE") {
        p.fillRect(QRect(inner.left(), inner.top(), inner.width(), inner.height() / 2), ink);
    } else {
        QLinearGradient fade(inner.topLeft(), inner.topRight());
        fade.setColorAt(0, ink);
        fade.setColorAt(1, Qt::white);
        p.fillRect(inner, fade);
    }
    p.setPen(ink);
    p.drawRect(inner.adjusted(0, 0, -1, -1));
}

void ThumbnailStrip::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    p.fillRect(event->rect(), palette().base());
    const int cellHeight = std::max(1, m_grid.cellHeight());
    const int firstRow
        = std::max(0, (event->rect().top() + verticalScrollBar()->value()) / cellHeight - 1);
    const int lastRow = (event->rect().bottom() + verticalScrollBar()->value()) / cellHeight + 1;
    for (int i = firstRow * m_columns;
         i < std::min((lastRow + 1) * m_columns, m_album.objectCount()); ++i)
        paintPanel(p, i);
}

void ThumbnailStrip::mousePressEvent(QMouseEvent *event)
{
    setFocus();
    const int index = indexAt(event->position().toPoint());
    if (index < 0) {
        if (event->button() == Qt::RightButton)
            Q_EMIT stripMenuRequested(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::RightButton) {
        Q_EMIT menuRequested(index, event->globalPosition().toPoint());
        return;
    }
    const QRect panel = panelRect(index);
    if (m_album.pplMode() && transitionIconRect(panel).contains(event->position().toPoint())) {
        Q_EMIT transitionClicked(index);
        return;
    }
    // The number box sits in the title bar but is a part of the panel: it
    // selects, only the rest of the bar opens the property dialog.
    const QPoint at = event->position().toPoint();
    if (at.y() < panel.top() + BarHeight && !numberBoxRect(panel).contains(at)) {
        Q_EMIT titleClicked(index);
        return;
    }
    const bool wasSelected = index == m_album.currentObject();
    Q_EMIT objectClicked(index);
    if (!wasSelected || (m_dragAllowed && !m_dragAllowed()))
        return;
    m_dragSource = index;
    m_dragOrigin = panel.topLeft();
    m_grabOffset = event->position().toPoint() - panel.topLeft();
    m_floating = new QLabel(viewport());
    m_floating->setPixmap(viewport()->grab(panel));
    m_floating->setGeometry(panel);
    m_floating->show();
    viewport()->setCursor(Qt::ClosedHandCursor);
}

void ThumbnailStrip::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (m_floating) {
        m_floating->move(at - m_grabOffset);
        return;
    }
    // The hand shows where a drag can start: the selected panel below its title.
    const int index = indexAt(at);
    if (index >= 0 && index == m_album.currentObject()
        && at.y() >= panelRect(index).top() + BarHeight)
        viewport()->setCursor(Qt::OpenHandCursor);
    else
        viewport()->unsetCursor();
}

void ThumbnailStrip::mouseReleaseEvent(QMouseEvent *)
{
    if (!m_floating)
        return;
    const QPoint drop = m_floating->pos();
    delete std::exchange(m_floating, nullptr);
    viewport()->unsetCursor();
    const int source = std::exchange(m_dragSource, -1);
    if (const auto target
        = m_grid.dropTarget(m_dragOrigin, drop, viewport()->width(), verticalScrollBar()->value()))
        Q_EMIT objectDropped(source, *target);
}

void ThumbnailStrip::wheelEvent(QWheelEvent *event)
{
    // One line per wheel step, down for a step toward the user.
    const int step = event->angleDelta().y() <= 0 ? 1 : -1;
    verticalScrollBar()->setValue(
        verticalScrollBar()->value() + step * verticalScrollBar()->singleStep());
    event->accept();
}

void ThumbnailStrip::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void ThumbnailStrip::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ThumbnailStrip::ensureVisible(int index)
{
    const QRect cell = m_grid.cell(index, m_columns, 0);
    QScrollBar *bar = verticalScrollBar();
    if (cell.top() < bar->value() || cell.bottom() > bar->value() + viewport()->height())
        bar->setValue(cell.top());
}
