#include "widgets/LazyPage.h"

#include <QEvent>
#include <QWidget>

namespace mirvane {
namespace {

class TMakeOnShow : public QObject {
public:
    TMakeOnShow(QWidget& Page, TLazyPage& Controls) : QObject(&Page), Controls(Controls)
    {
        Page.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::Show) {
            Controls.Make();
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    TLazyPage& Controls;
};

}  // namespace

void TLazyPage::MakeWhenShown()
{
    new TMakeOnShow(*Page, *this);  // owned by the page
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
