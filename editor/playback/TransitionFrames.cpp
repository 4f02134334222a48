#include "TransitionFrames.h"

#include <QPainter>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// x / 100 for every x up to 255 x 100 is (x x 41944) >> 22, which needs
// no division: the high half of a 16-bit product, shifted by 6.
constexpr uint32_t Magic = 41944;
constexpr int MagicShift = 22;

uchar mixed(uchar s, uchar n, int k)
{
    return uchar(((uint32_t(s) * uint32_t(100 - k) * Magic) >> MagicShift)
        + ((uint32_t(n) * uint32_t(k) * Magic) >> MagicShift));
}

// One line of RGB32 pixels; the alpha byte stays opaque.
void blendLine(uchar *shown, const uchar *next, int width, int k)
{
    int x = 0;
#if defined(__SSE2__)
    const __m128i keep = _mm_set1_epi16(short(100 - k));
    const __m128i take = _mm_set1_epi16(short(k));
    const __m128i magic = _mm_set1_epi16(short(Magic));
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(int(0xFF000000u));
    const auto half = [&](__m128i s, __m128i n) {
        const __m128i kept
            = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(s, keep), magic), MagicShift - 16);
        const __m128i taken
            = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(n, take), magic), MagicShift - 16);
        return _mm_add_epi16(kept, taken);
    };
    for (; x + 4 <= width; x += 4) {
        auto *at = reinterpret_cast<__m128i *>(shown + x * 4);
        const __m128i s = _mm_loadu_si128(at);
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i *>(next + x * 4));
        const __m128i low = half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(n, zero));
        const __m128i high = half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(n, zero));
        _mm_storeu_si128(at, _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    for (; x < width; ++x) {
        for (int c = 0; c < 3; ++c)
            shown[x * 4 + c] = mixed(shown[x * 4 + c], next[x * 4 + c], k);
    }
}

} // namespace

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
    if (shown.format() != QImage::Format_RGB32)
        shown = shown.convertToFormat(QImage::Format_RGB32);
    const QImage n = next.size() == shown.size() && next.format() == QImage::Format_RGB32
        ? next
        : next.convertToFormat(QImage::Format_RGB32).scaled(shown.size());
    for (int y = 0; y < shown.height(); ++y)
        blendLine(shown.scanLine(y), n.constScanLine(y), shown.width(), k);
}

QImage wipe(const QImage &shown, const QImage &next, int a, bool horizontal)
{
    // Every pixel is drawn once: the part of N that has come in, and the
    // part of S it has not covered yet.
    QImage out(shown.size(), QImage::Format_RGB32);
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const int k = std::clamp(a, 0, 100);
    const int w = out.width();
    const int h = out.height();
    if (horizontal) {
        const int edge = w * k / 100;
        painter.drawImage(QRect(0, 0, edge, h), next, QRect(next.width() - edge, 0, edge, h));
        painter.drawImage(QRect(edge, 0, w - edge, h), shown, QRect(edge, 0, w - edge, h));
    } else {
        const int edge = h * k / 100;
        painter.drawImage(QRect(0, 0, w, edge), next, QRect(0, next.height() - edge, w, edge));
        painter.drawImage(QRect(0, edge, w, h - edge), shown, QRect(0, edge, w, h - edge));
    }
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
