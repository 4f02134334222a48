#include "HelpLibrary.h"

#include <QFile>

#include "VoxHelp.h"

using namespace Qt::Literals::StringLiterals;

HelpLibrary::HelpLibrary(QString programFolder)
    : m_folder(std::move(programFolder))
{ }

QString HelpLibrary::topic() const
{
    return u"mk:@MSITStore:"_s + m_folder + u"Help\\Lumahelp.chm::/Quillan/index.htm"_s;
}

void HelpLibrary::HelpMenuClick()
{
    if (!m_library.isLoaded()) {
        m_library.setFileName(m_folder + u"DLL/VoxHelp.so"_s);
        if (!m_library.load())
            return;
    }
    auto show = reinterpret_cast<decltype(&::ShowHelp)>(m_library.resolve("ShowHelp"));
    if (show)
        show(0, QFile::encodeName(topic()).constData());
}
