// Quillan: the album editor. One editor per user; a second start raises the
// first, hands it the files it was given and ends.

#include "ApplicationIdentity.h"
#include "AutoSave.h"
#include "DeferredIconStyle.h"
#include "EditorSettings.h"
#include "FileTypeRegistration.h"
#include "LibraryVersions.h"
#include "SingleInstance.h"
#include "StartupWarmup.h"
#include "TFrmMain.h"
#include "ThumbnailMemory.h"

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QTimer>

namespace {

constexpr char Help[] = R"(Usage: quillan [ALBUM | MEDIA...]
Quillan edits albums for portable media players: photos, photos with sound,
music, music with photos, video clips and links to other albums, saved as MPV
manifests (.pvm, .mum) or PPL playlists (.ppl), previewed, played full screen
and exported with their media to a folder or onto a player.

  ALBUM        open the album file (.pvm, .mum or .ppl)
  MEDIA...     start a new album holding these photos, videos or music files

With no file, the editor asks which kind of album to make. A second start
hands its files to the editor already running.

Options:
  --help       print this help and exit
  --version    print the version and exit
)";

// The two informational options answer without a display.
bool answeredOnTerminal(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(Help, stdout);
        return true;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quillan %s\n", qPrintable(quillanVersion()));
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredOnTerminal(argc, argv))
        return 0;
    StartupWarmup warmup;
    QApplication app(argc, argv);
    warmup.applicationReady();
    QApplication::setStyle(new DeferredIconStyle(QApplication::style()));
    ApplicationIdentity::apply();
    SingleInstance instance(SingleInstance::runtimeFolder(), SingleInstance::defaultName());
    if (!instance.tryBecomePrimary()) {
        instance.notifyPrimary(QCoreApplication::arguments().mid(1));
        return 0;
    }

    TFrmMain window;
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, [&window] {
        window.showMaximized();
        window.raise();
        window.activateWindow();
    });
    QObject::connect(&instance, &SingleInstance::openRequested, &window,
        [&window](const QStringList &arguments) { window.openFromAnotherStart(arguments); });
    window.setVolume(EditorSettings::readVolume());
    ThumbnailMemory::instance().setLimit(EditorSettings::thumbnailMemoryBytes());
    window.showMaximized();
    warmup.windowShown();

    AutoSave autosave(window.album(), AutoSave::defaultFolder());
    bool offered = false;
    // What the first screen does not need waits until the window shows: the
    // icon, then the command line (an album to open, or a new album with the
    // media named), then the companion libraries, which only the file
    // browser's notes need (a missing one is reported over the window), then
    // the work an editor that did not end left behind.
    QTimer::singleShot(0, &window, [&window, &autosave, &offered] {
        ApplicationIdentity::applyIcon();
        window.startWith(QCoreApplication::arguments().mid(1));
        if (window.state().quitRequested) {
            QCoreApplication::quit();
            return;
        }
        window.companions().LoadCompanionLibraries(QCoreApplication::applicationDirPath() + u'/');
        autosave.offerRecovery(window.context(), window.files());
        autosave.start(AutoSave::intervalSeconds());
        offered = true;
    });
    const int result = app.exec();
    // The editor ends cleanly: whatever was not saved was declined. A copy
    // that was never offered (the editor ended at its first question) stays.
    if (offered)
        autosave.discard();
    EditorSettings::writeVolume(window.volume());
    FileTypeRegistration::registerFor(QCoreApplication::applicationFilePath());
    return result;
}
