// The editor window with an album of many photos, offscreen: adding them
// through the dropped-files path next to their thumbnails alone, Delete All
// with its undo next to that adding, and the interactive steps next to
// painting as many filled rectangles.
//   bench_window PHOTO_DIR [benchmark flags]

#include "TFrmMain.h"
#include "ThumbnailStrip.h"
#include "Thumbnails.h"
#include "TimelineView.h"
#include "UndoHistory.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScrollBar>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList g_photos;
TFrmMain *g_window = nullptr;

ThumbnailStrip *strip()
{
    return g_window->findChild<ThumbnailStrip *>();
}

TimelineView *timeline()
{
    return g_window->findChild<TimelineView *>();
}

void thumbnailsAlone(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &photo : std::as_const(g_photos))
            benchmark::DoNotOptimize(MakePhotoThumbnail(photo));
    }
}

void addThroughDrop(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        g_window->album().ClearAlbum(u"New album"_s);
#ifdef __GLIBC__
        // Each pass starts, like a fresh editor, without the previous pass's
        // thumbnails' memory at hand.
        malloc_trim(0);
#endif
        state.ResumeTiming();
        // The window's dropped-files handler, as a drop from the desktop.
        g_window->dropFiles(g_photos);
        QCoreApplication::processEvents();
    }
    state.counters["objects"] = double(g_window->album().objectCount());
}

// Delete All on the full album and its undo, which puts every object back
// (next to adding them through the drop path, above).
void deleteAllAndUndo(benchmark::State &state)
{
    AlbumDocument &album = g_window->album();
    if (album.objectCount() == 0)
        g_window->dropFiles(g_photos);
    for (auto _ : state) {
        {
            const UndoHistory::Step step(g_window->state(), u"Delete All"_s);
            album.ClearAlbum(u"New album"_s);
        }
        QCoreApplication::processEvents();
        g_window->history().undo();
        QCoreApplication::processEvents();
    }
    state.counters["objects"] = double(album.objectCount());
}

void repaintStripAndTimeline(benchmark::State &state)
{
    for (auto _ : state) {
        strip()->viewport()->repaint();
        timeline()->viewport()->repaint();
    }
}

void scrollStep(benchmark::State &state)
{
    int step = 1;
    for (auto _ : state) {
        QScrollBar *bar = strip()->verticalScrollBar();
        bar->triggerAction(
            step > 0 ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        step = -step;
        strip()->viewport()->repaint();
    }
}

void selectionChange(benchmark::State &state)
{
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % 8;
        g_window->album().setCurrentObject(index);
        strip()->viewport()->repaint();
        timeline()->viewport()->repaint();
    }
}

void dragMove(benchmark::State &state)
{
    AlbumDocument &album = g_window->album();
    for (auto _ : state) {
        album.MoveObject(album.objectCount() - 1, 0);
        strip()->viewport()->repaint();
        timeline()->viewport()->repaint();
    }
}

// The reference: as many filled rectangles as objects, in the strip's size.
void paintRectangles(benchmark::State &state)
{
    QImage canvas(strip()->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&canvas);
        for (int i = 0; i < g_photos.size(); ++i)
            p.fillRect(QRect((i * 37) % canvas.width(), (i * 13) % canvas.height(), 96, 75),
                QColor::fromRgb(uint(i) * 2654435761u));
    }
}

} // namespace

// One pass of 10,000 photos swings by seconds on a shared machine; the
// medians of five passes each are compared.
BENCHMARK(thumbnailsAlone)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(addThroughDrop)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(deleteAllAndUndo)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(repaintStripAndTimeline)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(selectionChange)->Unit(benchmark::kMillisecond);
BENCHMARK(dragMove)->Unit(benchmark::kMillisecond);
BENCHMARK(paintRectangles)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : dir.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name))
        g_photos.append(dir.filePath(name));
    // Both timed runs read the photos from the page cache, not the first one
    // from the disk.
    for (const QString &photo : std::as_const(g_photos)) {
        QFile file(photo);
        if (file.open(QIODevice::ReadOnly))
            benchmark::DoNotOptimize(file.readAll());
    }
    TFrmMain window;
    window.resize(1280, 900);
    window.show();
    g_window = &window;
    window.album().ClearAlbum(u"New album"_s);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
