#include "PreviewPicture.h"

#include "AlbumObject.h"
#include "Rounding.h"
#include "StandardPictures.h"
#include "Thumbnails.h"

#include <QFileInfo>

namespace PreviewPicture {

QRect fit(QSize picture, QSize box)
{
    const int w = picture.width();
    const int h = picture.height();
    const int boxW = box.width();
    const int boxH = box.height();
    QSize size = picture;
    if ((w > boxW || h > boxH) && w > 0 && h > 0) {
        // H / h >= W / w, compared without division.
        if (qint64(boxH) * w >= qint64(boxW) * h)
            size = QSize(boxW, Rounding::mulDiv(h, boxW, w));
        else
            size = QSize(Rounding::mulDiv(w, boxH, h), boxH);
    }
    return QRect(QPoint((boxW - size.width()) / 2, (boxH - size.height()) / 2), size);
}

namespace {

QImage photo(const QString &file, QSize box)
{
    return QFileInfo(file).isFile() ? decodePhotoCovering(file, box) : QImage();
}

} // namespace

QImage of(const AlbumObject &object, int member, QSize box)
{
    switch (object.kind) {
    case ObjectKind::Video:
        return object.thumbnail.image();
    case ObjectKind::Still:
    case ObjectKind::StillWithAudio:
        return photo(object.mainFile, box);
    case ObjectKind::Audio:
        return StandardPictures::music();
    case ObjectKind::ManifestLink:
    case ObjectKind::ManifestLinkAsRead:
        return StandardPictures::albumLink();
    case ObjectKind::StillMultiShotSequence:
    case ObjectKind::StillPanoramaSequence:
    case ObjectKind::AudioWithStill:
        return member >= 0 && member < object.memberFiles.size()
            ? photo(object.memberFiles[member], box)
            : QImage();
    case ObjectKind::None:
        break;
    }
    return {};
}

} // namespace PreviewPicture
