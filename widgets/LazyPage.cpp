#include "widgets/LazyPage.h"

#include <QWidget>

#include "widgets/OnEvent.h"

namespace mirvane {

void TLazyPage::MakeWhenShown()
{
    OnEvent(*Page, QEvent::Show, [this] { Make(); });
}

void TLazyPage::Make()
{
    if (Done) {
        return;
    }
    // Set first: the builder reads the controls it has just made.
    Done = true;
    Build(*Page);
    // Children made under a page already on screen stay hidden until shown;
    // a control hidden while the page was made (an empty list) stays so.
    for (QWidget* Control : Page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!Control->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            Control->show();
        }
    }
}

}  // namespace mirvane
