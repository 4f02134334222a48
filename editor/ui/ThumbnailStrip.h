#pragma once

#include "ThumbnailGrid.h"

#include <QAbstractScrollArea>

#include <functional>

class AlbumDocument;
class QLabel;

// The thumbnail strip: one panel per object in a grid, painted from the
// album document (no widget per object, so large albums stay fluid).
class ThumbnailStrip final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThumbnailStrip)

public:
    explicit ThumbnailStrip(const AlbumDocument &album, QWidget *parent = nullptr);

    void setPercent(int percent);
    int percent() const { return m_grid.percent(); }
    // Drags start only while this says yes (not while playing or opening).
    void setDragAllowed(std::function<bool()> allowed) { m_dragAllowed = std::move(allowed); }
    // The object under a point of the viewport, -1 for none.
    int indexAt(QPoint point) const;
    QRect panelRect(int index) const;
    // Scrolls so that the object's panel is in view.
    void ensureVisible(int index);
    // The icon of a transition, as the panels and the transition dialog
    // show it.
    static void paintTransitionIcon(QPainter &p, const QRect &r, const QString &transition);

Q_SIGNALS:
    void objectClicked(int index);
    void titleClicked(int index);
    // The transition icon of a playlist album's panel.
    void transitionClicked(int index);
    void menuRequested(int index, QPoint globalPos);
    // A right click beside the panels.
    void stripMenuRequested(QPoint globalPos);
    // The selected panel was dragged onto grid index target.
    void objectDropped(int source, int target);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void relayout();
    void paintPanel(QPainter &painter, int index) const;
    static QRect numberBoxRect(const QRect &cell);
    static QRect transitionIconRect(const QRect &cell);

    const AlbumDocument &m_album;
    ThumbnailGrid m_grid;
    int m_columns = 1;
    std::function<bool()> m_dragAllowed;
    // The floating copy of the dragged panel, and where it was grabbed.
    QLabel *m_floating = nullptr;
    int m_dragSource = -1;
    QPoint m_grabOffset;
    QPoint m_dragOrigin;
};
