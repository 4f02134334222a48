// Quillan: the album editor. One editor per user; a second start raises the
// first, hands it the files it was given and ends.

#include "EditorSettings.h"
#include "FileTypeRegistration.h"
#include "SingleInstance.h"
#include "TFrmMain.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillan"));
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
    window.companions().LoadCompanionLibraries(QCoreApplication::applicationDirPath() + u'/');
    window.setVolume(EditorSettings::readVolume());
    window.showMaximized();

    // The command line is handled once the window shows: an album to open,
    // or a new album with the media named.
    QTimer::singleShot(0, &window, [&window] {
        window.startWith(QCoreApplication::arguments().mid(1));
        if (window.state().quitRequested)
            QCoreApplication::quit();
    });
    const int result = app.exec();
    EditorSettings::writeVolume(window.volume());
    FileTypeRegistration::registerFor(QCoreApplication::applicationFilePath());
    return result;
}
