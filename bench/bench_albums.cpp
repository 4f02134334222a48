// Writing and reading an image album of many small photos, next to the
// reader's floor measured in the same run: parsing the same file with
// pugixml plus probing and thumbnailing the same photos directly.
//   bench_albums PHOTO_DIR [benchmark flags]

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "ManifestReader.h"
#include "MediaProbe.h"
#include "Thumbnails.h"
#include "UserPrompts.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>

#include <pugixml.hpp>

using namespace Qt::Literals::StringLiterals;

namespace {

class NoPrompts final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

QStringList g_photos;
QString g_album;

void fillAlbum(AlbumDocument &album)
{
    album.ClearAlbum(u"New album"_s);
    for (const QString &photo : std::as_const(g_photos)) {
        AlbumObject o;
        o.kind = ObjectKind::Still;
        o.mainFile = photo;
        o.durationSeconds = u"5"_s;
        o.transition = u"ALPHABLEND"_s;
        album.appendObject(o, OutlineNode{u"x"_s, {}});
    }
}

void writer(benchmark::State &state)
{
    NoPrompts prompts;
    AlbumDocument album(prompts);
    fillAlbum(album);
    for (auto _ : state) {
        if (AlbumFiles::save(album, g_album))
            state.SkipWithError("cannot write the album");
    }
    state.counters["objects"] = double(g_photos.size());
}

void reader(benchmark::State &state)
{
    for (auto _ : state) {
        NoPrompts prompts;
        AlbumDocument album(prompts);
        if (!ReadManifest(album, g_album) || album.objectCount() != g_photos.size())
            state.SkipWithError("the album did not read back whole");
    }
}

void readerFloor(benchmark::State &state)
{
    const QByteArray path = g_album.toUtf8();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_file(path.constData()));
        for (const QString &photo : std::as_const(g_photos)) {
            benchmark::DoNotOptimize(ProbeMedia(photo));
            benchmark::DoNotOptimize(MakePhotoThumbnail(photo));
        }
    }
}

} // namespace

BENCHMARK(writer)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(reader)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(readerFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_albums PHOTO_DIR [benchmark flags]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const QString &name : dir.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name))
        g_photos.append(dir.filePath(name));
    g_album = dir.filePath(u"../bench-album.pvm"_s);
    if (g_photos.isEmpty())
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
