// One transition frame of each style next to a plain QPainter::drawImage of
// the same picture, at 1920x1080 and at the preview's size.
//   bench_transitions [benchmark flags]

#include "TransitionFrames.h"

#include <benchmark/benchmark.h>

#include <QPainter>

namespace {

const QSize Sizes[] = {{1920, 1080}, {512, 384}};

QImage picture(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x + seed) & 0xFF, (y * 3 + seed) & 0xFF, (x ^ y) & 0xFF);
    }
    return image;
}

void plainDraw(benchmark::State &state)
{
    const QSize size = Sizes[state.range(0)];
    const QImage next = picture(size, 7);
    QImage target(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(0, 0, next);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void transitionFrame(benchmark::State &state, int style)
{
    const QSize size = Sizes[state.range(0)];
    QImage shown = picture(size, 1);
    const QImage next = picture(size, 7);
    int a = 0;
    for (auto _ : state) {
        a = a % 96 + 4;
        benchmark::DoNotOptimize(TransitionFrames::frame(style, shown, next, a).constBits());
    }
}

} // namespace

BENCHMARK(plainDraw)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(transitionFrame, blend, TransitionFrames::AlphaBlend)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(transitionFrame, hwipe, TransitionFrames::HorizontalWipe)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(transitionFrame, vwipe, TransitionFrames::VerticalWipe)->Arg(0)->Arg(1);
BENCHMARK_MAIN();
