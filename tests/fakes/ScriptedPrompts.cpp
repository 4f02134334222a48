#include "ScriptedPrompts.h"

UserPrompts::Answer ScriptedPrompts::message(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    shown.append({text, caption, buttons, icon});
    return answers.isEmpty() ? Answer::Ok : answers.takeFirst();
}

QStringList ScriptedPrompts::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result.append(s.text);
    return result;
}
