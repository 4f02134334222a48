// Photo thumbnails and media probes, each next to its reference in one run:
// a full QImage decode followed by scaled(), and the ffprobe command.
// Thumbnails are timed on two sets of 12-megapixel photos: grainy ones with
// the entropy of camera photos (PHOTO_DIR) and the smooth test picture.
//   bench_media PHOTO_DIR MEDIA_DIR [benchmark flags]

#include "MediaProbe.h"
#include "Thumbnails.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList g_grainy;
QStringList g_smooth;
QStringList g_media;

void thumbnailProject(benchmark::State &state, const QStringList *photos)
{
    qsizetype i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(MakePhotoThumbnail((*photos)[i++ % photos->size()]));
}

void thumbnailReference(benchmark::State &state, const QStringList *photos)
{
    qsizetype i = 0;
    for (auto _ : state) {
        const QImage full((*photos)[i++ % photos->size()]);
        benchmark::DoNotOptimize(
            full.scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

// One iteration probes every test media file once.
void probeInProcess(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &file : std::as_const(g_media))
            benchmark::DoNotOptimize(ProbeMedia(file));
    }
}

void probeFfprobe(benchmark::State &state)
{
    for (auto _ : state) {
        for (const QString &file : std::as_const(g_media)) {
            QProcess ffprobe;
            ffprobe.start(
                u"ffprobe"_s, {u"-v"_s, u"quiet"_s, u"-show_streams"_s, u"-show_format"_s, file});
            ffprobe.waitForFinished();
            benchmark::DoNotOptimize(ffprobe.readAllStandardOutput());
        }
    }
}

QStringList filesIn(const QString &folder, const QStringList &patterns)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(patterns, QDir::Files, QDir::Name))
        files.append(dir.filePath(name));
    return files;
}

} // namespace

BENCHMARK_CAPTURE(thumbnailProject, grainy, &g_grainy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(thumbnailReference, grainy, &g_grainy)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(thumbnailProject, smooth, &g_smooth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(thumbnailReference, smooth, &g_smooth)->Unit(benchmark::kMillisecond);
BENCHMARK(probeInProcess)->Unit(benchmark::kMillisecond);
BENCHMARK(probeFfprobe)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bench_media PHOTO_DIR MEDIA_DIR [benchmark flags]\n");
        return 2;
    }
    g_grainy = filesIn(QString::fromLocal8Bit(argv[1]), {u"*.jpg"_s});
    g_smooth = filesIn(QString::fromLocal8Bit(argv[2]), {u"large.jpg"_s});
    // The media a user adds: photos, sound and video, not the broken files.
    g_media = filesIn(QString::fromLocal8Bit(argv[2]),
        {u"color.jpg"_s, u"grey.jpg"_s, u"large.jpg"_s, u"*.wav"_s, u"*.mp3"_s, u"*.wma"_s,
            u"clip.*"_s, u"silent.avi"_s});
    if (g_grainy.isEmpty() || g_smooth.isEmpty() || g_media.isEmpty()) {
        std::fprintf(stderr, "bench_media: no photos or media found\n");
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
