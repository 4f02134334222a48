#pragma once

#include <QImage>

// The built-in thumbnails of objects that have no picture of their own.
namespace StandardPictures {
QImage music();
QImage unplayableVideo();
QImage albumLink();
} // namespace StandardPictures
