// "Run Mirvane": the due dates to remember, each time the window starts.

#include <vector>

#include <QAction>
#include <QCheckBox>
#include <QTabWidget>

#include "remember/DueReminders.h"
#include "remember/RememberStore.h"
#include "settings/RememberSettings.h"
#include "ui/Mirvane.h"
#include "ui/ReminderWindow.h"

namespace mirvane {

void TForm1::RemindAtStart()
{
    // The page, and its box, are made when first shown; until then the
    // stored tick stands.
    if (!(CheckBoxRun != nullptr ? CheckBoxRun->isChecked() : TRememberSettings::Load().CheckOnRun)) {
        return;
    }
    // The page reports a store it cannot read; here it only means no reminder.
    std::vector<TDueReminder> Due;
    try {
        Due = DueReminders(ReadRememberEntries(DefaultRememberStorePath()), Today(), !Adar11->isChecked());
    } catch (const ERememberStoreError&) {
        return;
    }
    if (Due.empty()) {
        return;
    }
    auto* Window = new TReminderWindow(Due, [this] {
        PageControl1->setCurrentIndex(RememberPage);
        raise();
        activateWindow();
    }, this);
    Window->show();
}

}  // namespace mirvane
