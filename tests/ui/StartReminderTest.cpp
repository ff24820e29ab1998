#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>

#include "engine/GregorianDateText.h"
#include "settings/RememberSettings.h"
#include "tests/ui/DueDates.h"
#include "tests/ui/FormFixture.h"
#include "ui/ReminderWindow.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

class StartReminder : public FormTest {
protected:
    TReminderWindow* Shown(TForm1& F) { return F.findChild<TReminderWindow*>(); }
    static QStringList Row(const QTreeWidget& List, int Index)
    {
        QStringList Cells;
        for (int Column = 0; Column < List.columnCount(); ++Column) {
            Cells.append(List.topLevelItem(Index)->text(Column));
        }
        return Cells;
    }

    TemporaryDataHome Data;
};

TEST_F(StartReminder, ListsTheDueEntriesSoonestFirstAndShowTheListTurnsToThePage)
{
    Data.AddOnce("In three days", 3);
    Data.AddOnce("Today", 0, 0);
    Data.AddOnce("Too far", 9);
    TForm1& F = StartShowing(TForm1::CalendarPage);
    F.RemindAtStart();
    TReminderWindow* Window = Shown(F);
    ASSERT_NE(Window, nullptr);
    EXPECT_TRUE(Window->isVisible());
    EXPECT_FALSE(Window->isModal());
    EXPECT_EQ(Window->windowTitle(), QStringLiteral("Dates to remember"));
    EXPECT_EQ(Window->DueList->accessibleName(), QStringLiteral("Due dates"));
    ASSERT_EQ(Window->DueList->topLevelItemCount(), 2);
    EXPECT_EQ(Row(*Window->DueList, 0),
              (QStringList{QStringLiteral("Today"), QString::fromStdString(GregorianDateText(Today())),
                           QStringLiteral("today")}));
    EXPECT_EQ(Row(*Window->DueList, 1),
              (QStringList{QStringLiteral("In three days"), QString::fromStdString(GregorianDateText(Today() + 3)),
                           QStringLiteral("in 3 days")}));

    EXPECT_EQ(Window->ShowListButton->text(), QStringLiteral("Show the list"));
    Window->ShowListButton->click();
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::RememberPage);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Shown(F), nullptr);
}

TEST_F(StartReminder, CloseOnlyCloses)
{
    Data.AddOnce("Tomorrow", 1);
    TForm1& F = StartShowing(TForm1::CalendarPage);
    F.RemindAtStart();
    ASSERT_NE(Shown(F), nullptr);
    EXPECT_EQ(Shown(F)->DueList->topLevelItem(0)->text(2), QStringLiteral("tomorrow"));
    Shown(F)->CloseButton->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Shown(F), nullptr);
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::CalendarPage);
}

TEST_F(StartReminder, NothingAppearsWhenNothingIsDueOrRunMirvaneIsUnticked)
{
    TForm1& F = StartShowing(TForm1::RememberPage);
    F.RemindAtStart();  // no store at all
    EXPECT_EQ(Shown(F), nullptr);
    Data.AddOnce("Next week", 8);
    F.RemindAtStart();
    EXPECT_EQ(Shown(F), nullptr);
    Data.AddOnce("Tomorrow", 1);
    Find<QCheckBox>(F, "CheckBoxRun")->setChecked(false);
    F.RemindAtStart();
    EXPECT_EQ(Shown(F), nullptr);
    Find<QCheckBox>(F, "CheckBoxRun")->setChecked(true);
    F.RemindAtStart();
    EXPECT_NE(Shown(F), nullptr);
}

TEST_F(StartReminder, BeforeThePageIsMadeTheStoredTickDecides)
{
    Data.AddOnce("Tomorrow", 1);
    TRememberSettings Settings = TRememberSettings::Load();
    Settings.CheckOnRun = false;
    Settings.Save();
    TForm1& F = StartShowing(TForm1::CalendarPage);
    ASSERT_EQ(F.findChild<QCheckBox*>(QStringLiteral("CheckBoxRun")), nullptr);
    F.RemindAtStart();
    EXPECT_EQ(Shown(F), nullptr);
    Settings.CheckOnRun = true;
    Settings.Save();
    F.RemindAtStart();
    EXPECT_NE(Shown(F), nullptr);
}

}  // namespace
}  // namespace mirvane
