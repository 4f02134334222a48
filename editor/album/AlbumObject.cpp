#include "AlbumObject.h"

namespace Transitions {

QString normalized(const QString &name)
{
    if (name == HorizontalWipe || name == VerticalWipe)
        return name;
    return QString::fromUtf16(AlphaBlend);
}

int displayStyle(const QString &name)
{
    if (name == HorizontalWipe)
        return 4;
    if (name == VerticalWipe)
        return 21;
    return 118;
}

namespace {
const char16_t *const Choices[] = {AlphaBlend, HorizontalWipe, VerticalWipe};
}

QString nameOfChoice(int choice)
{
    return QString::fromUtf16(Choices[choice >= 0 && choice <= 2 ? choice : 0]);
}

int choiceIn(const QString &text)
{
    for (int choice = 0; choice < 3; ++choice) {
        if (text.contains(QString::fromUtf16(Choices[choice]), Qt::CaseInsensitive))
            return choice;
    }
    return 0;
}

} // namespace Transitions
