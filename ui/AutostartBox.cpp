// "Turn on the computer": the box and the desktop's log-in entry never
// disagree, since the box only ever shows whether the entry is there.

#include <QCheckBox>

#include "ui/AutostartEntry.h"
#include "widgets/MessageBox.h"
#include "widgets/OnEvent.h"
#include "ui/RememberTab.h"

namespace mirvane {

void TRememberTab::ConnectAutostartBox()
{
    QCheckBox& Box = *StartWithComputer;
    const auto ShowEntry = [&Box] { Box.setChecked(AutostartEntryExists()); };
    ShowEntry();
    // The entry may have been added or removed while the user was elsewhere.
    OnEvent(*window(), QEvent::WindowActivate, ShowEntry);
    // The entry follows the tick however it changed. A tick that already
    // agrees with the file (the box being shown the truth) does nothing.
    connect(&Box, &QCheckBox::toggled, this, [ShowEntry](bool Ticked) {
        if (Ticked == AutostartEntryExists()) {
            return;
        }
        QString Error;
        if (!(Ticked ? WriteAutostartEntry(Error) : RemoveAutostartEntry(Error))) {
            ShowMessageBox(TBoxKind::Message, Error);
        }
        ShowEntry();
    });
}

}  // namespace mirvane
