#include "DeferredIconStyle.h"

#include "DeferredIconEngine.h"

#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include <optional>

QIcon DeferredIconStyle::standardIcon(
    StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    // A plain option (the tool bar's, for its direction) is kept as a copy
    // without the object it came from; a derived one is not copied whole by
    // its base, so that icon is looked up now.
    if (option && option->type != QStyleOption::SO_Default)
        return QProxyStyle::standardIcon(icon, option, widget);
    std::optional<QStyleOption> kept;
    if (option) {
        kept = *option;
        kept->styleObject = nullptr;
    }
    QPointer<QStyle> base = baseStyle();
    QPointer<QWidget> asking = const_cast<QWidget *>(widget);
    return QIcon(new DeferredIconEngine([base, icon, kept, asking]() -> QIcon {
        return base ? base->standardIcon(icon, kept ? &*kept : nullptr, asking.data()) : QIcon();
    }));
}
