#include "widgets/LazyExtensionIcons.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>

#include "widgets/LazyIcon.h"

namespace mirvane {

QIcon TLazyExtensionIcons::standardIcon(StandardPixmap Which, const QStyleOption* Option, const QWidget* Widget) const
{
    if (Which != SP_ToolBarHorizontalExtensionButton && Which != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(Which, Option, Widget);
    }
    // The arrow points the way the widget lays out; the option and the widget
    // may be gone by the time the icon is shown, so only that is kept. The
    // style may have been replaced by then too.
    QStyleOption Direction;
    Direction.direction = Option != nullptr   ? Option->direction
                          : Widget != nullptr ? Widget->layoutDirection()
                                              : QApplication::layoutDirection();
    const QPointer<QStyle> Base = baseStyle();
    return LazyIcon([Base, Which, Direction] {
        QStyle* Style = Base != nullptr ? Base.data() : QApplication::style();
        return Style->standardIcon(Which, &Direction);
    });
}

}  // namespace mirvane
