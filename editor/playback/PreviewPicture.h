#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

struct AlbumObject;

// The still preview of an object: what it shows and where in the preview
// area.
namespace PreviewPicture {

// A picture never grows; one larger than the box shrinks to fit it keeping
// its aspect ratio, with the products rounded as MulDiv rounds them, and
// sits centred (halves toward zero).
QRect fit(QSize picture, QSize box);

// The picture an object shows at a member: its thumbnail for a video, the
// main photo for a photo, the member photo of a multi-photo object, the
// built-in pictures for music and album links. Photos are decoded only as
// large as the box needs. Null when the file is missing.
QImage of(const AlbumObject &object, int member, QSize box);

} // namespace PreviewPicture
