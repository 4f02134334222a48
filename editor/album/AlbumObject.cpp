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

} // namespace Transitions
