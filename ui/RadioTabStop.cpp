#include "ui/RadioTabStop.h"

#include <vector>

#include <QFocusEvent>
#include <QRadioButton>

namespace mirvane {
namespace {

// Passes a focus that came by Tab or Backtab to the checked button.
class TRadioTabStop : public QObject {
public:
    TRadioTabStop(std::initializer_list<QRadioButton*> Group, QObject* Parent) : QObject(Parent), Buttons(Group) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::FocusIn) {
            const auto Reason = static_cast<QFocusEvent*>(Event)->reason();
            if (Reason == Qt::TabFocusReason || Reason == Qt::BacktabFocusReason) {
                for (QRadioButton* Button : Buttons) {
                    if (Button->isChecked() && Button != Watched) {
                        Button->setFocus(Reason);
                        break;
                    }
                }
            }
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    std::vector<QRadioButton*> Buttons;
};

}  // namespace

void MakeCheckedRadioTheTabStop(std::initializer_list<QRadioButton*> Group)
{
    if (Group.size() == 0) {
        return;
    }
    auto* Filter = new TRadioTabStop(Group, *Group.begin());
    for (QRadioButton* Button : Group) {
        Button->installEventFilter(Filter);
    }
}

}  // namespace mirvane
