#pragma once

namespace mirvane {

// "mirvane --remind", run at log-in: no main window. When dates to remember
// are due and not yet reminded of today, a desktop notification lists them,
// or, without a notification service, the "Dates to remember" window; its
// "Open Mirvane" opens the main window on the Dates to Remember page. Each
// entry shown is marked as reminded of today. Returns the exit status once
// the user has answered: 0, or 1 when the store cannot be read, which is
// told the same way (and on standard error). Needs the application object.
int RunReminderCheck();

}  // namespace mirvane
