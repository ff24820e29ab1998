#include "ui/ReminderCheck.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

#include "engine/DateServices.h"
#include "remember/DueReminders.h"
#include "remember/RememberStore.h"
#include "settings/DisplayOptions.h"
#include "settings/Options.h"
#include "ui/DesktopNotification.h"
#include "ui/Language.h"
#include "ui/LibraryMessages.h"
#include "ui/LocalDue.h"
#include "ui/Mirvane.h"
#include "ui/ReminderWindow.h"

namespace mirvane {
namespace {

// A notification still unanswered after this long is left to the desktop.
constexpr std::chrono::minutes AnswerTimeout{10};

void Complain(const std::string& Message)
{
    std::fprintf(stderr, "mirvane: %s\n", Message.c_str());
}

// The main window, on the Dates to Remember page; it lives until closed.
void OpenMainWindow()
{
    auto* Form = new TForm1;
    Form->setAttribute(Qt::WA_DeleteOnClose);
    Form->ShowPage(TForm1::RememberPage);
    Form->show();
    Form->activateWindow();
}

// Marks the entries as reminded of today. A store that refuses the change
// (read-only) only means the reminder may come again.
void MarkReminded(const std::filesystem::path& File, const std::vector<TDueReminder>& Due, TDateTime Now)
{
    const TGregorianDate Day = DecodeDate(Now);
    try {
        TRememberStore Store = TRememberStore::Open(File, TDamagedFile::LeaveInPlace);
        for (const TDueReminder& Reminder : Due) {
            Store.SetLastNotified(Reminder.Entry.Id, Day);
        }
    } catch (const ERememberStoreError& Error) {
        Complain(Error.what());
    }
}

// Tells Lines in one desktop notification whose action opens the main
// window, or through NoService's window when no notification service
// answers; Told runs once either is up. Returns when the user has answered.
int TellAndWait(const QStringList& Lines, const std::function<void()>& NoService,
                const std::function<void()>& Told = {})
{
    TDesktopNotification Notification;
    bool WindowOpened = false;
    if (Notification.Send(QCoreApplication::translate("ReminderCheck", "Dates to remember"), Lines,
                          QCoreApplication::translate("ReminderCheck", "Open Mirvane"))) {
        Notification.OnAction = [&WindowOpened] {
            WindowOpened = true;
            OpenMainWindow();
        };
        Notification.OnClosed = [] { QApplication::quit(); };
        QTimer::singleShot(AnswerTimeout, [&WindowOpened] {
            if (!WindowOpened) {
                QApplication::quit();
            }
        });
    } else {
        NoService();
    }
    if (Told) {
        Told();
    }
    return QApplication::exec();
}

}  // namespace

int RunReminderCheck()
{
    TDisplayOptions Display;
    Display.Load();
    UseLanguage(Display.Language);
    const std::filesystem::path File = DefaultRememberStorePath();
    std::vector<TRememberEntry> Entries;
    try {
        Entries = ReadRememberEntries(File);
    } catch (const ERememberStoreError& Error) {
        // At log-in nobody reads standard error: the reason goes where the
        // dates would have gone, and the window's "Open Mirvane" deals with
        // the list as it does at start.
        Complain(Error.what());
        const QString Message = WindowMessage(Error.what());
        TellAndWait({Message}, [Message] {
            auto* Box = new QMessageBox(QMessageBox::Warning,
                                        QCoreApplication::translate("ReminderCheck", "Dates to remember"), Message);
            Box->setAttribute(Qt::WA_DeleteOnClose);
            Box->show();
        });
        return 1;
    }
    TOptions Options;
    Options.GetOptions();
    const TDateTime Now = Today();
    const std::vector<TDueReminder> Due =
        NotRemindedOn(DueReminders(Entries, Now, !Options.PlainAdarIsAdar1), Now);
    if (Due.empty()) {
        return 0;
    }

    QStringList Lines;
    for (const TDueReminder& Reminder : Due) {
        Lines.append(LocalDueLine(Reminder));
    }
    // Marked before the wait: the user has been told once the notification
    // or the window is up.
    return TellAndWait(Lines, [&Due] {
        auto* Window = new TReminderWindow(Due, [] { OpenMainWindow(); });
        Window->show();
    }, [&] { MarkReminded(File, Due, Now); });
}

}  // namespace mirvane
