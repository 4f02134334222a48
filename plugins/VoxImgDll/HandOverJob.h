#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// A job text of the hand-over: "<root>SYSTEM/PHOTOS/..|<player>:COPY|<photo>...".
struct HandOverJob
{
    // The player's photo folder, in the spelling the player already has.
    QString photoFolder;
    QString playerName;
    QStringList photos;

    // Empty photoFolder when the text is not a copy job.
    static HandOverJob parse(const QString &text);
    // The screen size kept in the settings under "SoftWare\org\app".
    static QSize screenSize(const QString &settingsKey);
};
