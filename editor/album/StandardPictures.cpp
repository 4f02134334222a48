#include "StandardPictures.h"

#include "Thumbnails.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn with shapes only, so that no font is needed (the pictures are made
// in headless tools too).
template <typename Draw> QImage drawn(QColor background, Draw draw)
{
    QImage image(ThumbnailSize, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    draw(p);
    p.end();
    return image;
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

void drawMusic(QPainter &p)
{
    p.setBrush(QColor(58, 102, 141));
    p.drawEllipse(QRectF(38, 62, 20, 15));
    p.drawEllipse(QRectF(72, 56, 20, 15));
    p.drawRect(QRectF(53, 24, 5, 46));
    p.drawRect(QRectF(87, 18, 5, 46));
    p.drawPath(polygon({{53, 24}, {92, 18}, {92, 28}, {53, 34}}));
}

void drawUnplayableVideo(QPainter &p)
{
    p.setBrush(QColor(24, 24, 24));
    p.drawRect(QRectF(20, 14, 88, 72));
    p.setBrush(QColor(200, 200, 200));
    for (int i = 0; i < 6; ++i) {
        p.drawRect(QRectF(24 + i * 14, 17, 8, 6));
        p.drawRect(QRectF(24 + i * 14, 77, 8, 6));
    }
    p.setPen(QPen(QColor(220, 60, 60), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 34), QPointF(82, 66));
    p.drawLine(QPointF(82, 34), QPointF(46, 66));
}

void drawAlbumLink(QPainter &p)
{
    p.setPen(QPen(QColor(89, 122, 175), 2));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(40, 20, 52, 40));
    p.drawRect(QRectF(34, 28, 52, 40));
    p.setBrush(QColor(140, 234, 199));
    p.drawRect(QRectF(28, 36, 52, 40));
    p.setPen(QPen(QColor(58, 102, 141), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 82), QPointF(104, 66));
    p.drawLine(QPointF(104, 66), QPointF(94, 66));
    p.drawLine(QPointF(104, 66), QPointF(104, 76));
}

void drawPhoto(QPainter &p)
{
    p.setBrush(QColor(250, 220, 90));
    p.drawEllipse(QRectF(80, 18, 22, 22));
    p.setBrush(QColor(92, 140, 96));
    p.drawPath(polygon({{10, 88}, {46, 38}, {70, 66}, {86, 50}, {118, 88}}));
}

} // namespace

namespace StandardPictures {

QImage photo()
{
    static const QImage image = drawn(QColor(200, 203, 216), drawPhoto);
    return image;
}

QImage music()
{
    static const QImage image = drawn(QColor(231, 201, 164), drawMusic);
    return image;
}

QImage unplayableVideo()
{
    static const QImage image = drawn(QColor(64, 64, 64), drawUnplayableVideo);
    return image;
}

QImage albumLink()
{
    static const QImage image = drawn(QColor(246, 241, 234), drawAlbumLink);
    return image;
}

} // namespace StandardPictures
