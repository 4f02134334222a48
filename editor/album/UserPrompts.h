#pragma once

#include <QString>

// The one way logic reaches the user: the window implements it with message
// boxes and dialogs, tests with a scripted fake that records every text.
class UserPrompts
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Error, Question };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~UserPrompts() = default;

    virtual Answer message(const QString &text, const QString &caption, Buttons buttons, Icon icon)
        = 0;
};
