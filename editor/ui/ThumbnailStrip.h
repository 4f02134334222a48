#pragma once

#include "ThumbnailGrid.h"

#include <QAbstractScrollArea>

class AlbumDocument;

// The thumbnail strip: one panel per object in a grid, painted from the
// album document (no widget per object, so large albums stay fluid).
class ThumbnailStrip final : public QAbstractScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ThumbnailStrip)

public:
    explicit ThumbnailStrip(const AlbumDocument &album, QWidget *parent = nullptr);

    void setPercent(int percent);
    // The object under a point of the viewport, -1 for none.
    int indexAt(QPoint point) const;
    QRect panelRect(int index) const;

Q_SIGNALS:
    void objectClicked(int index);
    void titleClicked(int index);
    void menuRequested(int index, QPoint globalPos);
    // A right click beside the panels.
    void stripMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void relayout();
    void paintPanel(QPainter &painter, int index) const;

    const AlbumDocument &m_album;
    ThumbnailGrid m_grid;
    int m_columns = 1;
};
