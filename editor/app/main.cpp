// Quillan: the album editor. One editor per user; a second start raises the
// first and ends without passing its arguments on.

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
    SingleInstance instance(SingleInstance::defaultKey());
    if (!instance.tryBecomePrimary()) {
        instance.notifyPrimary();
        return 0;
    }

    TFrmMain window;
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window, [&window] {
        window.showMaximized();
        window.raise();
        window.activateWindow();
    });
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
