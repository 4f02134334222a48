#pragma once

#include <QSize>
#include <QString>

// One photo fitted to a player's screen.
namespace PhotoFit {

// The size a picture of `size` gets inside `screen`: the aspect kept, the
// sides rounded to the nearest pixel (halves away from zero), never larger
// than the picture itself.
QSize fitted(QSize size, QSize screen);

// Reads a JPEG, turns it upright by its EXIF orientation, fits it to
// `screen` and writes it to `target` (through a file beside it that is
// renamed when complete). A photo that needs neither is copied as it is.
// The reason when it fails.
QString fitPhoto(const QString &source, const QString &target, QSize screen);

} // namespace PhotoFit
