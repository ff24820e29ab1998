// "Run Mirvane": the due dates to remember, each time the window starts.

#include <vector>

#include <QTabWidget>

#include "remember/DueReminders.h"
#include "remember/RememberStore.h"
#include "ui/Mirvane.h"
#include "ui/RememberTab.h"
#include "ui/ReminderWindow.h"

namespace mirvane {

void TForm1::RemindAtStart()
{
    // The page, and its box, are made when first shown; until then the
    // stored tick stands.
    if (!Remember->CheckOnRun()) {
        return;
    }
    // The page reports a store it cannot read; here it only means no reminder.
    std::vector<TDueReminder> Due;
    try {
        Due = DueReminders(ReadRememberEntries(DefaultRememberStorePath()), Today(), !Choices.PlainAdarIsAdar1);
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
