// "Turn on the computer": the box and the desktop's log-in entry never
// disagree, since the box only ever shows whether the entry is there.

#include <QCheckBox>

#include "ui/AutostartEntry.h"
#include "widgets/MessageBox.h"
#include "widgets/OnEvent.h"
#include "ui/Mirvane.h"

namespace mirvane {

void TForm1::ConnectAutostartBox()
{
    QCheckBox& Box = *CheckBoxStart;
    const auto ShowEntry = [&Box] { Box.setChecked(AutostartEntryExists()); };
    ShowEntry();
    // The entry may have been added or removed while the user was elsewhere.
    OnEvent(*this, QEvent::WindowActivate, ShowEntry);
    connect(&Box, &QCheckBox::clicked, this, [ShowEntry](bool Ticked) {
        QString Error;
        if (!(Ticked ? WriteAutostartEntry(Error) : RemoveAutostartEntry(Error))) {
            ShowMessageBox(TBoxKind::Message, Error);
        }
        ShowEntry();
    });
}

}  // namespace mirvane
