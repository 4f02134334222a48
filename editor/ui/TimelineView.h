#pragma once

#include "TimeScale.h"

#include <QAbstractScrollArea>

class AlbumDocument;

// The timeline: the time ruler, then one row per object laid end to end,
// each as wide as its duration at the current scale, with an image track
// (and its member blocks) over an audio track. Painted from the album
// document; no widget per object.
class TimelineView final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimelineView)

public:
    static constexpr int RulerHeight = 25;
    static constexpr int RowHeight = 50;
    static constexpr int ImageTrackHeight = 19;

    explicit TimelineView(const AlbumDocument &album, QWidget *parent = nullptr);

    void setScale(int index);
    const TimeScale &scale() const { return m_scale; }
    // Left edge and width of each object's row, in content coordinates.
    QRect rowRect(int index) const;
    // The object under a viewport point, -1 for none.
    int indexAt(QPoint point) const;

Q_SIGNALS:
    void objectClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void relayout();
    void updateScrollRange();
    void paintRuler(QPainter &painter) const;
    void paintRow(QPainter &painter, int index) const;

    const AlbumDocument &m_album;
    TimeScale m_scale;
    std::vector<int> m_lefts; // row left edges, and the end as last entry
};
