#pragma once

#include <QString>

// What the media probe reports about a file: every field is a text.
struct MediaProbeResult
{
    // First stream's length in seconds, "%.15g"; "0" when unknown or failed.
    QString lengthText = QStringLiteral("0");
    // "Movie" (two streams), "Audio" or "Image" (one stream), else empty.
    QString probeKind;
    // ": <details of stream 0>-: <details of stream 1>..."
    QString description;
};

// Counts audio and video streams only: an MP3's cover picture, data and
// subtitle streams are not streams here. Never throws, whatever the file.
MediaProbeResult ProbeMedia(const QString &path);
