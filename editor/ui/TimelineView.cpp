#include "TimelineView.h"

#include "AlbumDocument.h"
#include "Ruler.h"
#include "WinColor.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

using namespace Qt::Literals::StringLiterals;

TimelineView::TimelineView(const AlbumDocument &album, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_album(album)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFixedHeight(RulerHeight + RowHeight + horizontalScrollBar()->sizeHint().height() + 4);
    const auto changed = [this] { relayout(); };
    connect(&album, &AlbumDocument::objectRemoved, this, changed);
    connect(&album, &AlbumDocument::objectChanged, this, [this](int index) {
        // A change that keeps the row's width (a transition, a caption)
        // needs a repaint, not a new measure of every row.
        const bool known = size_t(index) + 1 < m_lefts.size();
        if (known
            && m_scale.SecondsToPixels(m_album.object(index).durationValue)
                == m_lefts[size_t(index) + 1] - m_lefts[size_t(index)])
            viewport()->update();
        else
            relayout();
    });
    connect(&album, &AlbumDocument::objectInserted, this, [this](int index) {
        // Objects are appended one by one while files are added: extend the
        // rows instead of measuring them all again.
        if (index + 1 == m_album.objectCount() && m_lefts.size() == size_t(index) + 1) {
            m_lefts.push_back(
                m_lefts.back() + m_scale.SecondsToPixels(m_album.object(index).durationValue));
            updateScrollRange();
        } else {
            relayout();
        }
    });
    connect(&album, &AlbumDocument::objectMoved, this, changed);
    connect(&album, &AlbumDocument::albumCleared, this, changed);
    connect(&album, &AlbumDocument::currentObjectChanged, this, [this] { viewport()->update(); });
}

void TimelineView::setScale(int index)
{
    m_scale = TimeScale(index);
    relayout();
}

void TimelineView::relayout()
{
    m_lefts.assign(1, 0);
    for (int i = 0; i < m_album.objectCount(); ++i)
        m_lefts.push_back(
            m_lefts.back() + m_scale.SecondsToPixels(m_album.object(i).durationValue));
    updateScrollRange();
}

void TimelineView::updateScrollRange()
{
    horizontalScrollBar()->setRange(0, std::max(0, m_lefts.back() + 1 - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(TimeScale::UnitPixels);
    viewport()->update();
}

QRect TimelineView::rowRect(int index) const
{
    return QRect(m_lefts.at(size_t(index)), RulerHeight,
        m_lefts.at(size_t(index) + 1) - m_lefts.at(size_t(index)), RowHeight);
}

int TimelineView::indexAt(QPoint point) const
{
    if (point.y() < RulerHeight || point.y() >= RulerHeight + RowHeight)
        return -1;
    const int x = point.x() + horizontalScrollBar()->value();
    const auto after = std::upper_bound(m_lefts.begin(), m_lefts.end(), x);
    const auto index = int(after - m_lefts.begin()) - 1;
    return index >= 0 && index < m_album.objectCount() ? index : -1;
}

void TimelineView::paintRuler(QPainter &p) const
{
    const Ruler::Placement place = Ruler::place(horizontalScrollBar()->value());
    p.fillRect(QRect(0, 0, viewport()->width(), RulerHeight), Qt::white);
    p.setPen(Qt::black);
    for (const Ruler::Mark &m :
        Ruler::marks(viewport()->width() + 50, RulerHeight, place.origin, m_scale)) {
        const int x = m.x + place.left;
        p.drawLine(x, 0, x, m.length);
        if (!m.label.isEmpty()) {
            const int half = p.fontMetrics().horizontalAdvance(m.label) / 2;
            p.drawText(QPoint(x - half, RulerHeight - 2), m.label);
        }
    }
}

void TimelineView::paintRow(QPainter &p, int index) const
{
    const AlbumObject &o = m_album.object(index);
    const QRect row = rowRect(index).translated(-horizontalScrollBar()->value(), 0);
    const bool selected = index == m_album.currentObject();
    const bool ppl = m_album.pplMode();
    const QColor grey = winColor(WinColors::Grey);
    const QColor navy = winColor(WinColors::Navy);
    const QString number = QString::number(index + 1);

    const QRect image(row.left(), row.top(), row.width(), ppl ? RowHeight : ImageTrackHeight);
    const bool hasMembers = !o.memberFiles.isEmpty() && o.kind != ObjectKind::StillWithAudio;
    p.fillRect(image,
        selected
            ? navy
            : (o.imageCaption.isEmpty() || hasMembers ? grey : winColor(WinColors::LightGreen)));
    p.setPen(selected ? Qt::white : Qt::black);
    const bool repeat = o.repeatMembers && o.kind == ObjectKind::AudioWithStill;
    p.drawText(image, repeat ? Qt::AlignVCenter | Qt::AlignRight : Qt::AlignCenter,
        repeat ? u"반복"_s : number);
    if (hasMembers) {
        int left = image.left();
        for (qsizetype k = 0; k < o.memberFiles.size(); ++k) {
            const int width = m_scale.SecondsToPixels(o.memberDurations.value(k));
            const QRect block(
                left, image.top(), std::min(width, image.right() - left + 1), image.height());
            if (block.width() <= 0)
                break;
            const bool current = selected && k == m_album.currentMemberIndex();
            p.fillRect(block, current ? navy : winColor(WinColors::LightGreen));
            p.setPen(current ? Qt::white : Qt::black);
            p.drawRect(block.adjusted(0, 0, -1, -1));
            p.drawText(block, Qt::AlignCenter, number + u'-' + QString::number(k + 1));
            left += width + 1;
        }
    }
    if (!ppl) {
        const QRect audio(
            row.left(), image.bottom() + 1, row.width(), RowHeight - ImageTrackHeight);
        p.fillRect(audio,
            selected ? navy : (o.audioCaption.isEmpty() ? grey : winColor(WinColors::LightBlue)));
        p.setPen(selected ? Qt::white : Qt::black);
        p.drawText(audio, Qt::AlignCenter, number);
    }
    p.setPen(palette().dark().color());
    p.drawRect(row.adjusted(0, 0, -1, -1));
}

void TimelineView::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().base());
    paintRuler(p);
    const int scroll = horizontalScrollBar()->value();
    const auto first = std::upper_bound(m_lefts.begin(), m_lefts.end(), scroll);
    for (int i = std::max(0, int(first - m_lefts.begin()) - 1); i < m_album.objectCount(); ++i) {
        if (m_lefts[size_t(i)] - scroll > viewport()->width())
            break;
        paintRow(p, i);
    }
}

void TimelineView::mousePressEvent(QMouseEvent *event)
{
    const int index = indexAt(event->position().toPoint());
    if (index >= 0 && event->button() == Qt::LeftButton)
        Q_EMIT objectClicked(index);
}

void TimelineView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    relayout();
}

void TimelineView::scrollContentsBy(int, int)
{
    viewport()->update();
}
