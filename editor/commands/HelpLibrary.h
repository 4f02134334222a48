#pragma once

#include <QLibrary>
#include <QString>

// The help command: DLL/VoxHelp.so below the program folder, loaded the first
// time and kept, shows the help topic. Without the library nothing happens.
class HelpLibrary
{
public:
    // programFolder ends with "/".
    explicit HelpLibrary(QString programFolder);

    void HelpMenuClick();
    // "mk:@MSITStore:" + folder + "Help\Lumahelp.chm::/Quillan/index.htm".
    QString topic() const;

private:
    QString m_folder;
    QLibrary m_library;
};
