// Every checkable control acts on the toggle an assistive technology sends,
// which changes the state without a click.

#include <functional>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFile>
#include <QLineEdit>

#include "settings/RememberSettings.h"
#include "tests/ui/FormFixture.h"
#include "ui/AutostartEntry.h"

namespace mirvane {
namespace {

using AccessibleToggle = FormTest;

struct TToggleCase {
    int Page;
    const char* Control;
    // What the control's effect shows, read after the toggle.
    std::function<QString(TForm1&)> Effect;
    QString Expected;
};

QString Text(TForm1& Window, const char* Name)
{
    return Find<QLineEdit>(Window, Name)->text();
}

TEST_F(AccessibleToggle, EveryCheckableControlFollowsItsToggledState)
{
    Store.Put({{"DateOrder", DayMonthYear}});
    TForm1& F = Start();
    F.show();
        const auto Settings = [](bool TRememberSettings::*Field) {
        return [Field](TForm1&) { return TRememberSettings::Load().*Field ? QStringLiteral("yes") : QStringLiteral("no"); };
    };
    const TToggleCase Cases[] = {
        {TForm1::BirthdaysPage, "CheckBox2", [](TForm1& W) { return Text(W, "Edit2"); },
         QStringLiteral("4 Kislev 5731")},
        {TForm1::BirthdaysPage, "RadioButton1", [](TForm1& W) { return Text(W, "Edit4"); },
         QStringLiteral("Saturday 10 November 2029")},
        {TForm1::BirthdaysPage, "RadioButton2", [](TForm1& W) { return Text(W, "Edit4"); },
         QStringLiteral("Sunday 11 November 2029")},
        // 5787 is a leap year: the box snaps back to say so.
        {TForm1::YearDetailsPage, "CheckBox1",
         [](TForm1& W) { return QString::number(Find<QAbstractButton>(W, "CheckBox1")->isChecked()); },
         QStringLiteral("1")},
        {TForm1::RememberPage, "CheckBoxNewSunset", [](TForm1& W) { return Text(W, "EditNewJDate"); },
         QStringLiteral("4 Kislev 5731")},
        {TForm1::RememberPage, "RadioSortDate", Settings(&TRememberSettings::SortByDate), QStringLiteral("yes")},
        {TForm1::RememberPage, "RadioSortOccasion", Settings(&TRememberSettings::SortByDate), QStringLiteral("no")},
        {TForm1::RememberPage, "CheckBoxRun", Settings(&TRememberSettings::CheckOnRun), QStringLiteral("no")},
        {TForm1::RememberPage, "CheckBoxStart",
         [](TForm1&) { return QString::number(QFile::exists(AutostartEntryPath())); }, QStringLiteral("1")},
    };
    for (const int Page : {TForm1::BirthdaysPage, TForm1::YearDetailsPage, TForm1::RememberPage}) {
        F.ShowPage(Page);
    }
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/1970");
    Retype(*Find<QLineEdit>(F, "Edit3"), "2029");
    Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
    Retype(*Find<QLineEdit>(F, "EditNewDate"), "1/12/1970");
    for (const TToggleCase& Case : Cases) {
        SCOPED_TRACE(Case.Control);
        F.ShowPage(Case.Page);
        QAbstractButton& Control = *Find<QAbstractButton>(F, Case.Control);
        QAccessibleInterface* Accessible = QAccessible::queryAccessibleInterface(&Control);
        ASSERT_NE(Accessible, nullptr);
        ASSERT_NE(Accessible->actionInterface(), nullptr);
        const bool Was = Control.isChecked();
        Accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        if (QString::fromLatin1(Case.Control) != QStringLiteral("CheckBox1")) {
            EXPECT_NE(Control.isChecked(), Was);
        }
        EXPECT_EQ(Case.Effect(F), Case.Expected);
    }
    EXPECT_TRUE(Captured.Boxes.empty());
}

}  // namespace
}  // namespace mirvane
