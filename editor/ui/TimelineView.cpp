#include "TimelineView.h"

#include "AlbumDocument.h"
#include "Rounding.h"
#include "Ruler.h"
#include "TimelineEdits.h"
#include "WinColor.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

using namespace Qt::Literals::StringLiterals;

namespace {
using Hit = TimelineLayout::Hit;
} // namespace

TimelineView::TimelineView(const AlbumDocument &album, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_album(album)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(TimelineLayout::RulerHeight + TimelineLayout::RowHeight
        + horizontalScrollBar()->sizeHint().height() + 4);
    viewport()->setMouseTracking(true);
    const auto changed = [this] { relayout(); };
    connect(&album, &AlbumDocument::objectRemoved, this, changed);
    connect(&album, &AlbumDocument::objectChanged, this, [this](int index) {
        // A change that keeps the row's width (a transition, a caption)
        // needs a repaint, not a new measure of every row.
        if (m_layout.rowWidthMatches(index, m_album.object(index)))
            viewport()->update();
        else
            relayout(index);
    });
    connect(&album, &AlbumDocument::objectInserted, this, [this](int index) {
        // Objects are appended one by one while files are added: extend the
        // rows instead of measuring them all again.
        if (index + 1 == m_album.objectCount() && m_layout.rowCount() == index) {
            m_layout.append(m_album.object(index));
            updateScrollRange();
        } else {
            relayout();
        }
    });
    connect(&album, &AlbumDocument::objectMoved, this, changed);
    connect(&album, &AlbumDocument::albumCleared, this, changed);
    connect(&album, &AlbumDocument::currentObjectChanged, this, [this] { viewport()->update(); });
    relayout();
}

void TimelineView::setScale(int index)
{
    m_widthToDuration = false;
    m_layout.setScale(index);
    relayout();
}

void TimelineView::relayout(int changedObject)
{
    const std::vector<int> changed = m_layout.measure(m_album);
    updateScrollRange();
    // Only the changed object's own row can have been resized; other rows
    // that measure differently have merely moved.
    if (m_widthToDuration
        && std::find(changed.begin(), changed.end(), changedObject) != changed.end())
        Q_EMIT rowWidthChanged(changedObject, m_layout.rowWidth(changedObject));
}

void TimelineView::updateScrollRange()
{
    horizontalScrollBar()->setRange(0, std::max(0, m_layout.width() + 1 - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(TimeScale::UnitPixels);
    viewport()->update();
}

QPoint TimelineView::toContent(QPoint viewportPoint) const
{
    return viewportPoint + QPoint(horizontalScrollBar()->value(), 0);
}

QRect TimelineView::rowRect(int index) const
{
    return m_layout.rowRect(index).translated(-horizontalScrollBar()->value(), 0);
}

int TimelineView::indexAt(QPoint point) const
{
    const int index = m_layout.indexAt(toContent(point));
    return index < m_album.objectCount() ? index : -1;
}

void TimelineView::paintRuler(QPainter &p) const
{
    const Ruler::Placement place = Ruler::place(horizontalScrollBar()->value());
    p.fillRect(QRect(0, 0, viewport()->width(), TimelineLayout::RulerHeight), Qt::white);
    p.setPen(Qt::black);
    for (const Ruler::Mark &m : Ruler::marks(
             viewport()->width() + 50, TimelineLayout::RulerHeight, place.origin, scale())) {
        const int x = m.x + place.left;
        // A mark of length n covers rows 0 to n - 1 (Qt's lines include
        // their end point).
        p.fillRect(x, 0, 1, m.length, Qt::black);
        if (!m.label.isEmpty()) {
            const qint64 half
                = Rounding::halfEven(p.fontMetrics().horizontalAdvance(m.label) / 2.0);
            // The label's top at 40 % of the ruler's height.
            p.drawText(QPoint(x - int(half), m.labelTop + p.fontMetrics().ascent()), m.label);
        }
    }
}

void TimelineView::paintRow(QPainter &p, int index) const
{
    const AlbumObject &o = m_album.object(index);
    const int scroll = horizontalScrollBar()->value();
    const bool selected = index == m_album.currentObject();
    const bool ppl = m_album.pplMode();
    const QColor grey = winColor(WinColors::Grey);
    const QColor navy = winColor(WinColors::Navy);
    const QString number = QString::number(index + 1);

    const QRect image = m_layout.imageBlock(index, ppl).translated(-scroll, 0);
    const std::vector<QRect> members = m_layout.memberBlocks(index, o, ppl);
    p.fillRect(image,
        selected
            ? navy
            : (o.imageCaption.isEmpty() || !members.empty() ? grey
                                                            : winColor(WinColors::LightGreen)));
    p.setPen(selected ? Qt::white : Qt::black);
    const bool repeat = o.repeatMembers && o.kind == ObjectKind::AudioWithStill;
    p.drawText(image, repeat ? Qt::AlignVCenter | Qt::AlignRight : Qt::AlignCenter,
        repeat ? u"반복"_s : number);
    for (size_t k = 0; k < members.size(); ++k) {
        const QRect block = members[k].translated(-scroll, 0);
        const bool current = selected && int(k) == m_album.currentMemberIndex();
        p.fillRect(block, current ? navy : winColor(WinColors::LightGreen));
        p.setPen(current ? Qt::white : Qt::black);
        p.drawRect(block.adjusted(0, 0, -1, -1));
        p.drawText(block, Qt::AlignCenter, number + u'-' + QString::number(k + 1));
    }
    if (!ppl) {
        const QRect audio = m_layout.audioBlock(index).translated(-scroll, 0);
        p.fillRect(audio,
            selected ? navy : (o.audioCaption.isEmpty() ? grey : winColor(WinColors::LightBlue)));
        p.setPen(selected ? Qt::white : Qt::black);
        p.drawText(audio, Qt::AlignCenter, number);
    }
    p.setPen(palette().dark().color());
    p.drawRect(rowRect(index).adjusted(0, 0, -1, -1));
}

void TimelineView::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    paintRuler(p);
    const int scroll = horizontalScrollBar()->value();
    for (int i = m_layout.firstRowAt(scroll); i < m_album.objectCount(); ++i) {
        if (m_layout.rowRect(i).left() - scroll > viewport()->width())
            break;
        paintRow(p, i);
    }
}

void TimelineView::updateCursor(const Hit &hit)
{
    if (hit.index < 0 || hit.index != m_album.currentObject())
        viewport()->unsetCursor();
    else if (hit.resize)
        viewport()->setCursor(Qt::SplitHCursor);
    else if (hit.part == Hit::Member)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(Qt::OpenHandCursor);
}

void TimelineView::showMarker(int contentX)
{
    if (!m_marker) {
        m_marker = new QWidget(viewport());
        m_marker->setAutoFillBackground(true);
        // A child of the viewport fills with the viewport's role (white
        // Base) unless told otherwise.
        m_marker->setBackgroundRole(QPalette::Window);
        QPalette black = m_marker->palette();
        black.setColor(QPalette::Window, Qt::black);
        m_marker->setPalette(black);
    }
    const QRect row = rowRect(m_pressed.index);
    m_marker->setGeometry(contentX - horizontalScrollBar()->value(), row.top(),
        TimelineEdits::MarkerWidth, row.height());
    m_marker->show();
}

void TimelineView::showProgress(int index, int member, int ticks)
{
    if (index < 0 || index >= m_album.objectCount())
        return;
    const QRect row = m_layout.rowRect(index);
    const std::vector<QRect> blocks
        = m_layout.memberBlocks(index, m_album.object(index), m_album.pplMode());
    int start = row.left();
    int end = row.right() + 1;
    if (!blocks.empty() && member >= 0) {
        if (size_t(member) >= blocks.size()) {
            start = blocks.back().left(); // repeating: the last block to the row's end
        } else {
            start = blocks[size_t(member)].left();
            end = blocks[size_t(member)].right() + 1;
        }
    }
    const double step = scale().progressPixels(0.5);
    int x = int(std::min<qint64>(end, start + Rounding::halfEven(step * ticks)));
    // Beyond the visible width the timeline moves on by one width.
    const int visible = viewport()->width();
    QScrollBar *bar = horizontalScrollBar();
    if (x - bar->value() > visible)
        bar->setValue(bar->value() + visible);
    placeProgress(int(scale().snapProgress(x)));
}

void TimelineView::startProgress()
{
    // Just left of the ruler until the first half second has played.
    placeProgress(
        horizontalScrollBar()->value() + Ruler::place(horizontalScrollBar()->value()).left - 10);
}

void TimelineView::placeProgress(int x)
{
    if (!m_progress) {
        m_progress = new QWidget(viewport());
        m_progress->setAttribute(Qt::WA_StyledBackground);
        m_progress->setStyleSheet(u"background-color: red;"_s);
    }
    m_progressX = x;
    m_progress->setGeometry(x - horizontalScrollBar()->value(), 0, 2, viewport()->height());
    m_progress->show();
    m_progress->raise();
}

void TimelineView::hideProgress()
{
    m_progressX = -1;
    if (m_progress)
        m_progress->hide();
}

void TimelineView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = toContent(event->position().toPoint());
    const Hit hit = m_layout.hit(at, m_album);
    if (hit.index < 0)
        return;
    const bool wasSelected = hit.index == m_album.currentObject();
    if (hit.part == Hit::Member)
        Q_EMIT memberClicked(hit.index, hit.member);
    else
        Q_EMIT objectClicked(hit.index);
    if (!wasSelected)
        return;
    m_pressed = hit;
    const int x = at.x() - hit.block.left();
    if (hit.part == Hit::Member) {
        if (hit.resize && (!m_memberResizeAllowed || m_memberResizeAllowed())) {
            m_drag = Drag::ResizeMember;
            showMarker(at.x());
        }
        return;
    }
    if (m_dragAllowed && !m_dragAllowed())
        return;
    if (hit.resize) {
        m_drag = Drag::ResizeRow;
        showMarker(hit.block.left() + x + 1);
        return;
    }
    m_drag = Drag::MoveRow;
    m_grabX = x;
    m_floating = new QLabel(viewport());
    m_floating->setPixmap(viewport()->grab(rowRect(hit.index)));
    m_floating->setGeometry(rowRect(hit.index));
    m_floating->show();
    viewport()->setCursor(Qt::SizeHorCursor);
}

void TimelineView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = toContent(event->position().toPoint());
    const int x = at.x() - m_pressed.block.left();
    switch (m_drag) {
    case Drag::None:
        updateCursor(m_layout.hit(at, m_album));
        break;
    case Drag::ResizeRow:
        showMarker(m_pressed.block.left() + std::max(x + 1, 5));
        break;
    case Drag::ResizeMember: {
        const QRect track = m_layout.imageBlock(m_pressed.index, m_album.pplMode());
        const int left = m_pressed.block.left() - track.left();
        showMarker(track.left() + std::min(track.width(), std::max(x + left + 1, left + 5)));
        break;
    }
    case Drag::MoveRow:
        m_floating->move(at.x() - m_grabX - horizontalScrollBar()->value(), m_floating->y());
        break;
    }
}

void TimelineView::endDrag()
{
    m_drag = Drag::None;
    delete std::exchange(m_floating, nullptr);
    if (m_marker)
        m_marker->hide();
    viewport()->unsetCursor();
}

void TimelineView::mouseReleaseEvent(QMouseEvent *event)
{
    const Drag drag = m_drag;
    const Hit pressed = m_pressed;
    const int dropLeft = m_floating ? m_floating->x() + horizontalScrollBar()->value() : 0;
    endDrag();
    const int x = toContent(event->position().toPoint()).x() - pressed.block.left();
    switch (drag) {
    case Drag::None:
        break;
    case Drag::ResizeRow:
        Q_EMIT rowResized(pressed.index, TimelineEdits::rowWidthAfterResize(x));
        break;
    case Drag::ResizeMember: {
        const AlbumObject &o = m_album.object(pressed.index);
        const QRect track = m_layout.imageBlock(pressed.index, m_album.pplMode());
        int others = 0;
        for (const QRect &block : m_layout.memberBlocks(pressed.index, o, m_album.pplMode()))
            others += block.width();
        others -= pressed.block.width();
        Q_EMIT memberResized(pressed.index, pressed.member,
            TimelineEdits::memberWidthAfterResize(
                x, pressed.block.left() - track.left(), track.width(), others));
        break;
    }
    case Drag::MoveRow: {
        const int index = pressed.index;
        const QRect row = m_layout.rowRect(index);
        const int previousLeft = index > 0 ? m_layout.rowRect(index - 1).left() : 0;
        if (!TimelineEdits::rowDropMoves(
                dropLeft, row.left(), row.width(), previousLeft, index == 0))
            break;
        std::vector<int> lefts;
        for (int i = 0; i < m_layout.rowCount(); ++i)
            lefts.push_back(i == index ? dropLeft : m_layout.rowRect(i).left());
        const int target = TimelineEdits::rowDropTarget(lefts, index);
        if (target != index)
            Q_EMIT rowDropped(index, target);
        break;
    }
    }
}

void TimelineView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A double-click on a block arms the width-to-duration mode until the
    // scale changes.
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()) >= 0)
        m_widthToDuration = true;
}

bool TimelineView::viewportEvent(QEvent *event)
{
    // Every row carries the same hint.
    if (event->type() == QEvent::ToolTip) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (indexAt(help->pos()) >= 0)
            QToolTip::showText(help->globalPos(), u"Spy"_s, viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TimelineView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void TimelineView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void TimelineView::ensureVisible(int index)
{
    if (index < 0 || index >= m_album.objectCount())
        return;
    const QRect row = m_layout.rowRect(index);
    QScrollBar *bar = horizontalScrollBar();
    if (row.left() < bar->value() || row.left() > bar->value() + viewport()->width())
        bar->setValue(row.left());
}
