#include "ConsolePrompts.h"

#include "Texts.h"

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

void printText(FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

UserPrompts::Answer ConsolePrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon)
{
    m_texts.append(text);
    if (m_echo) {
        QString shown = text;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        printText(stderr, caption + QStringLiteral(": ") + shown + u'\n');
    }
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    default:
        return Answer::Ok;
    }
}

CommandPrompts::Overwrite ConsolePrompts::askOverwrite(const QString &target)
{
    switch (m_overwrite) {
    case OverwritePolicy::All:
        return Overwrite::YesToAll;
    case OverwritePolicy::None:
        return Overwrite::No;
    case OverwritePolicy::Ask:
        break;
    }
    printText(stderr,
        QString::fromUtf16(Texts::SameFileName) + u'\n' + target
            + u"\nOverwrite it? [y]es, yes to [a]ll, [n]o, [c]ancel: "_s);
    char line[64] = {};
    if (!std::fgets(line, sizeof line, stdin))
        return Overwrite::Cancel; // no one to answer
    switch (line[0]) {
    case 'y':
    case 'Y':
        return Overwrite::Yes;
    case 'a':
    case 'A':
        return Overwrite::YesToAll;
    case 'n':
    case 'N':
        return Overwrite::No;
    default:
        return Overwrite::Cancel;
    }
}
