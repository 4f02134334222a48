#pragma once

#include "UserPrompts.h"

#include <QStringList>

// Messages of a headless run: kept in order, and echoed to standard error
// when asked to. Questions are answered with their first button.
class ConsolePrompts final : public UserPrompts
{
public:
    explicit ConsolePrompts(bool echo)
        : m_echo(echo)
    { }

    Answer message(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    const QStringList &texts() const { return m_texts; }

private:
    bool m_echo;
    QStringList m_texts;
};

// Writes UTF-8 text to a standard stream.
void printText(FILE *stream, const QString &text);
