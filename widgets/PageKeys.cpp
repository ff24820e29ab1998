#include "widgets/PageKeys.h"

#include <QKeyEvent>
#include <QTabWidget>

namespace mirvane {
namespace {

// Takes the page control's Ctrl+Tab before the control itself, which would
// also turn to pages whose tab is hidden.
class TPageTurner : public QObject {
public:
    explicit TPageTurner(QTabWidget& Pages) : QObject(&Pages), Pages(Pages) { Pages.installEventFilter(this); }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched != &Pages || Event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* Key = static_cast<const QKeyEvent*>(Event);
        const bool TabKey = Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab;
        if (!TabKey || !Key->modifiers().testFlag(Qt::ControlModifier)) {
            return false;
        }
        const bool Back = Key->key() == Qt::Key_Backtab || Key->modifiers().testFlag(Qt::ShiftModifier);
        const int Count = Pages.count();
        int Page = Pages.currentIndex();
        for (int Pass = 1; Pass < Count; ++Pass) {
            Page = (Page + (Back ? Count - 1 : 1)) % Count;
            if (Pages.isTabVisible(Page) && Pages.isTabEnabled(Page)) {
                Pages.setCurrentIndex(Page);
                break;
            }
        }
        return true;
    }

private:
    QTabWidget& Pages;
};

}  // namespace

void TurnOnlyToShownPages(QTabWidget& Pages)
{
    new TPageTurner(Pages);  // owned by Pages
}

}  // namespace mirvane
