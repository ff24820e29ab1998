#pragma once

#include <QProxyStyle>

namespace mirvane {

// The desktop's style, but for the arrows of a menu bar's or a tool bar's
// overflow button, which every menu bar asks for as it is made and shows only
// when its menus do not fit: those images are read when first shown (see
// LazyIcon), not while the window is being made.
class TLazyExtensionIcons : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap Which, const QStyleOption* Option = nullptr,
                       const QWidget* Widget = nullptr) const override;
};

}  // namespace mirvane
