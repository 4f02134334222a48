#include "StartupWarmup.h"

#include "FfmpegLibraries.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QThreadPool>

#include <utility>

#ifdef QUILLAN_WARM_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif
#ifdef QUILLAN_WARM_DBUS
#include <QDBusConnection>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {
[[maybe_unused]] constexpr char AccessibilityBus[] = "AT_SPI_BUS_ADDRESS";
} // namespace

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
    // itself; connecting is done by then. Without a bus, asking would make
    // D-Bus fork to start one, which has no desktop menu to show ours: the
    // menu bar stays in the window without asking.
    // Accessibility asks the same bus for its own unless told where that
    // is: without a session bus there is none, and a place that cannot
    // answer keeps D-Bus from forking for that question too, until the
    // window has shown (programs the editor starts get the environment it
    // was given).
    if (sessionBusRunning()) {
        QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
    } else {
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
        if (!qEnvironmentVariableIsSet(AccessibilityBus)) {
            qputenv(AccessibilityBus, "unix:path=/nonexistent");
            m_accessibilityBusSet = true;
        }
    }
#endif
}

bool StartupWarmup::sessionBusRunning()
{
    // Where D-Bus looks before it starts a bus of its own.
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(runtime + u"/bus"_s).exists();
}

void StartupWarmup::windowShown()
{
    if (std::exchange(m_accessibilityBusSet, false))
        qunsetenv(AccessibilityBus);
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
