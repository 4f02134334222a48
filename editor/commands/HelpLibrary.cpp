#include "HelpLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "Texts.h"
#include "UserPrompts.h"

#include "VoxHelp.h"

using namespace Qt::Literals::StringLiterals;

HelpLibrary::HelpLibrary(QString programFolder)
    : m_folder(std::move(programFolder))
{ }

QString HelpLibrary::topic() const
{
    return u"mk:@MSITStore:"_s + m_folder + u"Help\\Lumahelp.chm::/Quillan/index.htm"_s;
}

QString HelpLibrary::page() const
{
    return m_folder + u"Help/Quillan/index.htm"_s;
}

void HelpLibrary::HelpMenuClick(UserPrompts &prompts)
{
    // The library reports nothing back, so what it needs is checked first.
    QString reason;
    if (!QFileInfo(page()).isReadable()) {
        reason = u"The page does not exist or cannot be read."_s;
    } else if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty()) {
        reason = u"No program to open web pages (xdg-open) was found."_s;
    } else if (!m_library.isLoaded()) {
        m_library.setFileName(m_folder + u"DLL/VoxHelp.so"_s);
        if (!m_library.load())
            reason = m_library.errorString();
    }
    auto show = reason.isEmpty()
        ? reinterpret_cast<decltype(&::ShowHelp)>(m_library.resolve("ShowHelp"))
        : nullptr;
    if (reason.isEmpty() && !show)
        reason = m_library.errorString();
    if (!reason.isEmpty()) {
        prompts.message(
            u"The guide could not be opened:\r\n\r\n"_s + page() + u"\r\n\r\n"_s + reason,
            QString::fromUtf16(Texts::CaptionConfirm), UserPrompts::Buttons::Ok,
            UserPrompts::Icon::Warning);
        return;
    }
    show(0, QFile::encodeName(topic()).constData());
}
