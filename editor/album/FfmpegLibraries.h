#pragma once

#include <QString>

// FFmpeg's libraries, and the hundred others they bring, are loaded when the
// editor first probes, decodes or encodes media rather than when it starts
// (a build option; without it they are linked as usual and this does
// nothing). The first call of an FFmpeg function loads its library; a
// library that cannot be loaded ends the program with the reason, as the
// dynamic loader would have done at start.
namespace FfmpegLibraries {

// Loads every library now, on the calling thread; the reason when one
// cannot be loaded.
QString preload();

} // namespace FfmpegLibraries
