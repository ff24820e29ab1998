#include "widgets/RadioTabStop.h"

#include <vector>

#include <QRadioButton>

namespace mirvane {

void MakeCheckedRadioTheTabStop(std::initializer_list<QRadioButton*> Group)
{
    // Only the checked button takes the focus by Tab or Shift+Tab, so the
    // group is one stop in both directions; the others take it by a click
    // or by the arrow keys. With none checked, the first is the stop.
    const std::vector<QRadioButton*> Buttons(Group);
    const auto PlaceStop = [Buttons] {
        bool AnyChecked = false;
        for (QRadioButton* Button : Buttons) {
            AnyChecked = AnyChecked || Button->isChecked();
        }
        for (QRadioButton* Button : Buttons) {
            const bool Stop = Button->isChecked() || (!AnyChecked && Button == Buttons.front());
            Button->setFocusPolicy(Stop ? Qt::StrongFocus : Qt::ClickFocus);
        }
    };
    PlaceStop();
    for (QRadioButton* Button : Buttons) {
        QObject::connect(Button, &QRadioButton::toggled, Button, PlaceStop);
    }
}

}  // namespace mirvane
