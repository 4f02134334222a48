// Times one call of the photo hand-over library on the given photos.
// Usage: bench_handover PROGRAM_FOLDER PLAYER_ROOT PHOTO...

#include "VoxImgDll.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLibrary>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fputs("usage: bench_handover PROGRAM_FOLDER PLAYER_ROOT PHOTO...\n", stderr);
        return 2;
    }
    QLibrary library(args[0] + QStringLiteral("DLL/VoxImgDll.so"));
    const auto resize
        = reinterpret_cast<decltype(&::ResizeImages)>(library.resolve("ResizeImages"));
    if (!resize) {
        std::fprintf(stderr, "%s\n", qPrintable(library.errorString()));
        return 1;
    }
    const QByteArray job = (args[1] + QStringLiteral("SYSTEM/PHOTOS/..|Bench:COPY|")
        + args.mid(2).join(QLatin1Char('|')))
                               .toUtf8();
    QElapsedTimer clock;
    clock.start();
    const int result = resize(job.constData(), args[0].toUtf8().constData(),
        "SoftWare\\Harlowe\\Quillwright", "", 0, 437);
    std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
    return result ? 0 : 1;
}
