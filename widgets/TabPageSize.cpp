#include "widgets/TabPageSize.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>

namespace mirvane {

// The style's own page rectangle, from the facts the control gives it when
// it lays its pages out.
QSize TabPageSize(const QTabWidget& PageControl, QSize Size)
{
    QStyleOptionTabWidgetFrame Option;
    Option.initFrom(&PageControl);
    Option.rect = QRect(QPoint(0, 0), Size);
    Option.lineWidth =
        PageControl.documentMode() ? 0 : PageControl.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &PageControl);
    Option.shape = QTabBar::RoundedNorth;
    Option.tabBarSize = PageControl.tabBar()->sizeHint();
    return PageControl.style()->subElementRect(QStyle::SE_TabWidgetTabContents, &Option, &PageControl).size();
}

}  // namespace mirvane
