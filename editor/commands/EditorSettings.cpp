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
