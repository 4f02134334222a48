#pragma once

#include <thread>

// Work the first window would otherwise wait for, done on another core while
// the main thread connects to the display and builds the window: the font
// configuration (the first text laid out reads it) and the session bus (the
// menu bar asks it about the desktop's menus). Then, beside the first
// screen, what the album needs next: the image format plug-ins (the first
// photo read loads them all to ask which one reads it) and FFmpeg.
class StartupWarmup
{
public:
    // Starts reading the font configuration; it needs no application object.
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    // Call once the application object exists, before the window is built:
    // waits for the font configuration (Qt reads it next) and starts
    // connecting to the session bus on the thread pool; without a session
    // bus the menu bar stays in the window and accessibility does not look
    // for a bus either.
    void applicationReady();
    // Call once the window shows: gives back the environment and loads the
    // image format plug-ins and FFmpeg on the thread pool.
    void windowShown();

    // Whether D-Bus finds a session bus without starting one.
    static bool sessionBusRunning();

private:
    void finishFonts();

    std::thread m_fonts;
    // Set for the window's building only (see applicationReady).
    bool m_accessibilityBusSet = false;
};
