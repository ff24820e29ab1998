#pragma once

#include <functional>
#include <vector>

#include <QDialog>

#include "remember/DueReminders.h"

class QPushButton;
class QTreeWidget;

namespace mirvane {

// "Dates to remember": the due entries, soonest first, one row each with the
// occasion, the date and when it is. It does not block the window behind it.
// "Show the list" runs ShowList and closes; "Close" closes. The window
// deletes itself once closed, and follows the language while open.
class TReminderWindow : public QDialog {
    Q_OBJECT

public:
    TReminderWindow(const std::vector<TDueReminder>& Due, std::function<void()> ShowList, QWidget* Parent = nullptr);

    QTreeWidget* DueList = nullptr;
    QPushButton* ShowListButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void changeEvent(QEvent* Event) override;

private:
    // Every text, the rows' dates and "when" among them, in the language in use.
    void SetCaptions();

    std::vector<TDueReminder> Reminders;
};

}  // namespace mirvane
