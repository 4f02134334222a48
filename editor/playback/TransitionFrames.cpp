#include "TransitionFrames.h"

#include <QPainter>

#include <array>

namespace TransitionFrames {

QList<int> progressSteps(int step)
{
    const int s = std::clamp(step, 1, 100);
    QList<int> steps;
    for (int a = s; a < 100; a += s)
        steps.append(a);
    steps.append(100);
    return steps;
}

void blend(QImage &shown, const QImage &next, int a)
{
    const int k = std::clamp(a, 0, 100);
    // Both products of every byte value, looked up instead of divided.
    std::array<uchar, 256> keep{};
    std::array<uchar, 256> take{};
    for (int v = 0; v < 256; ++v) {
        keep[size_t(v)] = uchar(v * (100 - k) / 100);
        take[size_t(v)] = uchar(v * k / 100);
    }
    if (shown.format() != QImage::Format_RGB32)
        shown = shown.convertToFormat(QImage::Format_RGB32);
    const QImage n = next.size() == shown.size() && next.format() == QImage::Format_RGB32
        ? next
        : next.convertToFormat(QImage::Format_RGB32).scaled(shown.size());
    const int bytes = shown.width() * 4;
    for (int y = 0; y < shown.height(); ++y) {
        uchar *s = shown.scanLine(y);
        const uchar *from = n.constScanLine(y);
        for (int x = 0; x < bytes; x += 4) {
            s[x] = uchar(keep[s[x]] + take[from[x]]);
            s[x + 1] = uchar(keep[s[x + 1]] + take[from[x + 1]]);
            s[x + 2] = uchar(keep[s[x + 2]] + take[from[x + 2]]);
        }
    }
}

QImage wipe(const QImage &shown, const QImage &next, int a, bool horizontal)
{
    QImage out = shown.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&out);
    const int k = std::clamp(a, 0, 100);
    const QPoint at = horizontal ? QPoint(out.width() * k / 100 - next.width(), 0)
                                 : QPoint(0, out.height() * k / 100 - next.height());
    painter.drawImage(at, next);
    return out;
}

QImage frame(int style, QImage &shown, const QImage &next, int a)
{
    if (style == HorizontalWipe || style == VerticalWipe)
        return wipe(shown, next, a, style == HorizontalWipe);
    blend(shown, next, a);
    return shown;
}

} // namespace TransitionFrames
