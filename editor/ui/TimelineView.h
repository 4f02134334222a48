#pragma once

#include "TimelineLayout.h"

#include <QAbstractScrollArea>

#include <functional>

class AlbumDocument;
class QLabel;

// The timeline: the time ruler, then one row per object laid end to end,
// each as wide as its duration at the current scale, with an image track
// (and its member blocks) over an audio track. Painted from the album
// document; no widget per object. Drags of the selected object's blocks
// move its row or change its duration; the view only reports where they end.
class TimelineView final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimelineView)

public:
    explicit TimelineView(const AlbumDocument &album, QWidget *parent = nullptr);

    void setScale(int index);
    const TimeScale &scale() const { return m_layout.scale(); }
    const TimelineLayout &layout() const { return m_layout; }
    // Rows and blocks in viewport coordinates.
    QRect rowRect(int index) const;
    QPoint toContent(QPoint viewportPoint) const;
    int indexAt(QPoint point) const;
    // Row drags and block resizes ask this first (not while playing or
    // opening); member resizes ask memberResizeAllowed (not while playing).
    void setDragAllowed(std::function<bool()> allowed) { m_dragAllowed = std::move(allowed); }
    void setMemberResizeAllowed(std::function<bool()> allowed)
    {
        m_memberResizeAllowed = std::move(allowed);
    }
    bool widthToDuration() const { return m_widthToDuration; }
    // The red progress marker of a playing object: half-seconds into its
    // row (or into the member block that plays), scrolled into view.
    void showProgress(int index, int member, int ticks);
    void hideProgress();
    // Where playback puts the marker when it starts, before any object has
    // played half a second.
    void startProgress();
    // Scrolls so that the object's row starts in view.
    void ensureVisible(int index);
    // Where the progress marker stands, in content pixels; -1 when hidden.
    int progressX() const { return m_progressX; }

Q_SIGNALS:
    void objectClicked(int index);
    void memberClicked(int index, int member);
    void rowDropped(int source, int target);
    void rowResized(int index, int width);
    void memberResized(int index, int member, int width);
    // A row changed width while the width-to-duration mode is armed.
    void rowWidthChanged(int index, int width);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Drag { None, MoveRow, ResizeRow, ResizeMember };

    // changedObject: the object whose duration changed, if any.
    void relayout(int changedObject = -1);
    void updateScrollRange();
    void placeProgress(int x);
    void paintRuler(QPainter &painter) const;
    void paintRow(QPainter &painter, int index) const;
    void updateCursor(const TimelineLayout::Hit &hit);
    void showMarker(int contentX);
    void endDrag();

    const AlbumDocument &m_album;
    TimelineLayout m_layout;
    std::function<bool()> m_dragAllowed;
    std::function<bool()> m_memberResizeAllowed;
    bool m_widthToDuration = false;

    Drag m_drag = Drag::None;
    TimelineLayout::Hit m_pressed;
    int m_grabX = 0;
    QLabel *m_floating = nullptr;
    QWidget *m_marker = nullptr;
    QWidget *m_progress = nullptr;
    int m_progressX = -1;
};
