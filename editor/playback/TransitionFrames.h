#pragma once

#include <QImage>
#include <QList>

// The frames of a picture transition: progress a runs from Step to 100 in
// steps of Step; each frame is made from the picture shown so far (S) and
// the new one (N), both of the display's size.
namespace TransitionFrames {

inline constexpr int AlphaBlend = 118;
inline constexpr int HorizontalWipe = 4;
inline constexpr int VerticalWipe = 21;

// The progress after each frame: Step, 2 Step, ..., with 100 last.
QList<int> progressSteps(int step);

// Alpha blend, applied to S in place frame after frame: per colour channel
// S := S x (100 - a) / 100 + N x a / 100, each product divided on its own
// with the fraction dropped.
void blend(QImage &shown, const QImage &next, int a);

// N at full size over S with its right edge (horizontal) or its bottom edge
// (vertical) at a% of the width or height.
QImage wipe(const QImage &shown, const QImage &next, int a, bool horizontal);

// One frame of the style: the blend changes `shown` and returns it; the
// wipes leave it as it is.
QImage frame(int style, QImage &shown, const QImage &next, int a);

} // namespace TransitionFrames
