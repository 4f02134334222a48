#pragma once

#include <QProxyStyle>

// The application's style with its standard icons looked up when first
// shown (see DeferredIconEngine): the menu bar's overflow button, the media
// buttons and the file browser ask for theirs while the window is built.
class DeferredIconStyle final : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
        const QWidget *widget = nullptr) const override;
};
