#include "StartupWarmup.h"

#include "FfmpegLibraries.h"

#include <QBuffer>
#include <QImageReader>
#include <QThreadPool>

#ifdef QUILLAN_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef QUILLAN_WARM_DBUS
#include <QDBusConnection>
#endif

StartupWarmup::StartupWarmup()
{
#ifdef QUILLAN_WARM_FONTCONFIG
    // Qt's own FcInit() later finds the configuration loaded.
    m_fonts = std::thread([] { FcInit(); });
#endif
}

StartupWarmup::~StartupWarmup()
{
    finishFonts();
}

void StartupWarmup::finishFonts()
{
    if (m_fonts.joinable())
        m_fonts.join();
}

void StartupWarmup::applicationReady()
{
    finishFonts();
#ifdef QUILLAN_WARM_DBUS
    // The menu bar asks the session bus whether the desktop shows menus
    // itself; connecting (or failing to, without a bus) is done by then.
    QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
#endif
}

void StartupWarmup::windowShown()
{
    // Bytes no format claims make the reader ask every plug-in, which loads
    // them; the plug-in loader is shared and locked, so the album's first
    // photo finds them loaded or waits for this.
    QThreadPool::globalInstance()->start([] {
        QByteArray nothing("?");
        QBuffer device(&nothing);
        device.open(QIODevice::ReadOnly);
        QImageReader(&device).canRead();
    });
    QThreadPool::globalInstance()->start([] { FfmpegLibraries::preload(); });
}
