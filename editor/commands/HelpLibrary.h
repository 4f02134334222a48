#pragma once

#include <QLibrary>
#include <QString>

class UserPrompts;

// The help command: DLL/VoxHelp.so below the program folder, loaded the first
// time and kept, shows the help topic. When the guide cannot be shown (no
// page, no library, no program that opens web pages) a message names the
// guide's path and the reason.
class HelpLibrary
{
public:
    // programFolder ends with "/".
    explicit HelpLibrary(QString programFolder);

    void HelpMenuClick(UserPrompts &prompts);
    // The local page the topic stands for.
    QString page() const;
    // "mk:@MSITStore:" + folder + "Help\Lumahelp.chm::/Quillan/index.htm".
    QString topic() const;

private:
    QString m_folder;
    QLibrary m_library;
};
