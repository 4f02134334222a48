#pragma once

#include "UserPrompts.h"

#include <QList>
#include <QStringList>

// Records every message shown and answers from a queue (Ok when empty).
class ScriptedPrompts final : public UserPrompts
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        Buttons buttons;
        Icon icon;
    };

    Answer message(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;

    QStringList texts() const;
    void clear() { shown.clear(); }

    QList<Shown> shown;
    QList<Answer> answers;
};
