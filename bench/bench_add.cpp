// Adding camera photos to an album: prepared on every core first, as the
// Add commands and drops do, next to adding them one by one. Each run
// starts with an empty thumbnail cache of its own.

#include "AlbumDocument.h"
#include "EditorState.h"
#include "MediaBatch.h"
#include "PreparedMedia.h"
#include "UserPrompts.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList g_photos;
QString g_cache;

class Quiet final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

void emptyCache()
{
    QDir(g_cache).removeRecursively();
}

void addOneByOne(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        emptyCache();
        Quiet prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        state.ResumeTiming();
        for (const QString &photo : g_photos)
            album.AddMediaFile(photo, false, AlbumDocument::RootTarget);
        benchmark::DoNotOptimize(album.objectCount());
    }
}

void addPrepared(benchmark::State &state)
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
        MediaBatch::prepare(g_photos, editor, prepared);
        album.setPrepared(&prepared);
        for (const QString &photo : g_photos)
            album.AddMediaFile(photo, false, AlbumDocument::RootTarget);
        album.setPrepared(nullptr);
        benchmark::DoNotOptimize(album.objectCount());
    }
}

} // namespace

BENCHMARK(addOneByOne)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(addPrepared)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_add PHOTO_DIR [benchmark flags]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : dir.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name))
        g_photos.append(dir.filePath(name));
    g_cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (g_photos.isEmpty() || g_cache.isEmpty()) {
        std::fprintf(stderr, "bench_add: no photos, or XDG_CACHE_HOME unset\n");
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
