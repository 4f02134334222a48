#pragma once

#include <QImage>

// The built-in thumbnails of objects that have no picture of their own.
namespace StandardPictures {
// A photo that is not a JPEG, where only JPEGs are drawn.
QImage photo();
QImage music();
QImage unplayableVideo();
QImage albumLink();
} // namespace StandardPictures
