#include "ConsolePrompts.h"

#include <cstdio>

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
