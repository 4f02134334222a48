#pragma once

#include <thread>

// Work the first window would otherwise wait for, done on another core while
// the main thread connects to the display and builds the window: the font
// configuration (the first text laid out reads it) and the image format
// plug-ins (the first icon read loads them all to ask which one reads it).
class StartupWarmup
{
public:
    // Starts reading the font configuration; it needs no application object.
    StartupWarmup();
    ~StartupWarmup();
    StartupWarmup(const StartupWarmup &) = delete;
    StartupWarmup &operator=(const StartupWarmup &) = delete;

    // Call once the application object exists, before the window is built:
    // waits for the font configuration (Qt reads it next) and starts loading
    // the image format plug-ins on the thread pool.
    void applicationReady();

private:
    void finishFonts();

    std::thread m_fonts;
};
