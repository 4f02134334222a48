#include "EditorSettings.h"

using namespace Qt::Literals::StringLiterals;

QSettings EditorSettings::store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s);
}

int EditorSettings::readVolume()
{
    bool ok = false;
    const int volume = store().value(u"Volume"_s, FullVolume).toInt(&ok);
    return ok ? volume : FullVolume;
}

qint64 EditorSettings::thumbnailMemoryBytes()
{
    bool ok = false;
    const qint64 megabytes = store().value(u"ThumbnailMemoryMB"_s, 256).toLongLong(&ok);
    return (ok && megabytes >= 16 ? megabytes : 256) << 20;
}

void EditorSettings::writeVolume(int volume)
{
    store().setValue(u"Volume"_s, volume);
}

int EditorSettings::sliderFromVolume(int volume)
{
    return volume <= 5000 ? 1 : volume - 5000;
}

int EditorSettings::volumeFromSlider(int position)
{
    return position > 4 ? position + 5000 : 10;
}

namespace {

int storedInt(const QSettings &settings, const QString &key, int fallback, int low, int high)
{
    bool ok = false;
    const int value = settings.value(key, fallback).toInt(&ok);
    return ok && value >= low && value <= high ? value : fallback;
}

} // namespace

VideoFormat EditorSettings::readVideoFormat()
{
    const QSettings settings = store();
    VideoFormat format;
    const int width = storedInt(settings, u"Video/Width"_s, format.size.width(), 16, 7680);
    const int height = storedInt(settings, u"Video/Height"_s, format.size.height(), 16, 4320);
    // The encoders take even sizes only.
    if (width % 2 == 0 && height % 2 == 0)
        format.size = QSize(width, height);
    format.fps = storedInt(settings, u"Video/FrameRate"_s, format.fps, 1, 60);
    format.crf = storedInt(settings, u"Video/Quality"_s, format.crf, 0, 51);
    return format;
}

void EditorSettings::writeVideoFormat(const VideoFormat &format)
{
    QSettings settings = store();
    settings.setValue(u"Video/Width"_s, format.size.width());
    settings.setValue(u"Video/Height"_s, format.size.height());
    settings.setValue(u"Video/FrameRate"_s, format.fps);
    settings.setValue(u"Video/Quality"_s, format.crf);
}

QSize EditorSettings::playerScreen()
{
    const QSettings settings = store();
    // Kept as the photo hand-over reads it.
    return QSize(storedInt(settings, u"PlayerScreenWidth"_s, 320, 1, 8192),
        storedInt(settings, u"PlayerScreenHeight"_s, 240, 1, 8192));
}
