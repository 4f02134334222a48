// Camera photos in quantity: added to an album prepared on every core
// first, as the Add commands and drops do, next to one by one, each run
// from an empty thumbnail cache of its own; and an album of them opened
// (read, then its thumbnails made on every core) with an empty thumbnail
// cache next to the cache that opening left.

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "EditorState.h"
#include "MediaBatch.h"
#include "PreparedMedia.h"
#include "ReaderHooks.h"
#include "UndoHistory.h"
#include "UserPrompts.h"

#include <benchmark/benchmark.h>

#include <cstring>

#include <QDir>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList g_photos;
QString g_cache;
QString g_album;

class Quiet final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

void emptyCache()
{
    QDir(g_cache).removeRecursively();
}

// ahead: the probes and thumbnails prepared on every core first.
void addAll(benchmark::State &state, bool ahead)
{
    for (auto _ : state) {
        state.PauseTiming();
        emptyCache();
        Quiet prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        const EditorState editor;
        state.ResumeTiming();
        PreparedMedia prepared;
        if (ahead)
            MediaBatch::prepare(g_photos, editor, prepared);
        album.setPrepared(&prepared);
        for (const QString &photo : g_photos)
            album.AddMediaFile(photo, false, AlbumDocument::RootTarget);
        album.setPrepared(nullptr);
        benchmark::DoNotOptimize(album.objectCount());
    }
}

void addOneByOne(benchmark::State &state)
{
    addAll(state, false);
}

void addPrepared(benchmark::State &state)
{
    addAll(state, true);
}

// As the window opens an album: with the undo history following it.
void open(const QString &path = g_album)
{
    Quiet prompts;
    AlbumDocument album(prompts);
    EditorState editor;
    const UndoHistory history(album, editor);
    AlbumFiles::read(album, path, {}, ReaderHooks());
    MediaBatch::makeThumbnails(album, editor);
    benchmark::DoNotOptimize(album.objectCount());
}

void openWithEmptyCache(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        emptyCache();
        state.ResumeTiming();
        open();
    }
}

void openWithCache(benchmark::State &state)
{
    for (auto _ : state)
        open();
}

} // namespace

BENCHMARK(openWithEmptyCache)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(openWithCache)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(addOneByOne)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(addPrepared)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QGuiApplication app(argc, argv);
    // Opens one album and ends, for a measure of the memory it takes.
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        open(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr,
            "usage: bench_batch PHOTO_DIR ALBUM [benchmark flags]\n"
            "       bench_batch --open ALBUM\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : dir.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name))
        g_photos.append(dir.filePath(name));
    g_album = QString::fromLocal8Bit(argv[2]);
    g_cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (g_photos.isEmpty() || g_cache.isEmpty()) {
        std::fprintf(stderr, "bench_batch: no photos, or XDG_CACHE_HOME unset\n");
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
