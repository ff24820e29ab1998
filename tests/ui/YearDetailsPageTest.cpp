#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

class YearDetailsPage : public FormTest {
protected:
    TForm1& StartOnPage() { return StartShowing(TForm1::YearDetailsPage); }
    // The year's outputs in the page's order.
    QStringList YearTexts() const
    {
        const TForm1& F = *Form;
        return {Find<QLineEdit>(F, "Edit5")->text(),  Find<QLineEdit>(F, "Edit6")->text(),  Find<QCheckBox>(F, "CheckBox1")->isChecked() ? QStringLiteral("leap") : QString(),
                Find<QLineEdit>(F, "Edit7")->text(),  Find<QLineEdit>(F, "Edit8")->text(),  Find<QLineEdit>(F, "Edit9")->text(),
                Find<QLineEdit>(F, "Edit10")->text(), Find<QLineEdit>(F, "Edit26")->text(), Find<QLineEdit>(F, "Edit22")->text(),
                Find<QLineEdit>(F, "Edit24")->text(), Find<QLineEdit>(F, "Edit11")->text(), Find<QLineEdit>(F, "Edit12")->text()};
    }
    QStringList MonthTexts() const
    {
        const TForm1& F = *Form;
        return {Find<QLineEdit>(F, "Edit14")->text(), Find<QLineEdit>(F, "Edit16")->text(), Find<QLineEdit>(F, "Edit17")->text(), Find<QLineEdit>(F, "Edit18")->text(), Find<QLineEdit>(F, "Edit19")->text()};
    }
    QStringList AdarEntries() const { return {Find<QComboBox>(*Form, "ComboBox1")->itemText(11), Find<QComboBox>(*Form, "ComboBox1")->itemText(12)}; }
};

struct TYearCase {
    const char* Typed;
    QStringList Year;
    QStringList Adars;
};

TEST_F(YearDetailsPage, ATypedYearShowsItsFacts)
{
    const TYearCase Cases[] = {
        {"5787",
         {"305", "11", "leap", "0", "2", "1063", "Saturday", "Saturday 12 September 2026", "197d 2h 776p 24f",
          "19 Adar2", "30", "30"},
         {"Adar1", "Adar2"}},
        {"5758",
         {"304", "1", "", "5", "4", "129", "Thursday", "Thursday 2 October 1997", "176d 22h 1005p 0f", "29 Adar",
          "29", "30"},
         {"Adar", ""}},
    };
    for (const auto& Case : Cases) {
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit23"), Case.Typed);
        EXPECT_EQ(YearTexts(), Case.Year) << Case.Typed;
        EXPECT_EQ(AdarEntries(), Case.Adars) << Case.Typed;
        EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->count(), 13);
        // No month chosen: month 0, and a zero molad.
        EXPECT_EQ(MonthTexts(), (QStringList{"0", "0", "0", "0", "Friday 18:00 and 0 parts"}));
    }
}

TEST_F(YearDetailsPage, YearOneHasNoDateForItsFirstDay)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit23"), "1");
    const QStringList Year = YearTexts();
    EXPECT_EQ(Year.mid(0, 7), (QStringList{"1", "1", "", "2", "5", "204", "Monday"}));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit26")->text(), QString());
}

TEST_F(YearDetailsPage, AChosenMonthShowsItsLengthAndMolad)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit23"), "5758");
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Tishrei");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), 6);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("30"));
    EXPECT_EQ(MonthTexts().mid(1, 3), (QStringList{Find<QLineEdit>(F, "Edit7")->text(), Find<QLineEdit>(F, "Edit8")->text(), Find<QLineEdit>(F, "Edit9")->text()}));
    const QString TishreiMolad = Find<QLineEdit>(F, "Edit19")->text();

    Pick(*Find<QComboBox>(F, "ComboBox1"), "Nissan");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("30"));
    const QStringList Nissan = MonthTexts();
    EXPECT_NE(Nissan.value(4), TishreiMolad);

    // In a common year the blank thirteenth entry can be chosen: no days, and
    // the molad of the seventh month from Tishrei, Nissan's.
    Pick(*Find<QComboBox>(F, "ComboBox1"), 12);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), 12);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("0"));
    EXPECT_EQ(MonthTexts().mid(1), Nissan.mid(1));
}

TEST_F(YearDetailsPage, TheChosenEntrySurvivesAChangeOfYear)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Adar2");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("29"));

    Retype(*Find<QLineEdit>(F, "Edit23"), "5758");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), 12);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentText(), QString());
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("0"));

    Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), 12);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentText(), QStringLiteral("Adar2"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("29"));

    // The up/down control steps the year and the month follows.
    QTest::keyClick(Find<QLineEdit>(F, "Edit23"), Qt::Key_Up);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("5788"));
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox1")->currentIndex(), 12);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit14")->text(), QStringLiteral("0"));
}

TEST_F(YearDetailsPage, TheLeapBoxIsNotChangedByAClick)
{
    for (const char* Typed : {"5787", "5758"}) {
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit23"), Typed);
        const bool Leap = Find<QCheckBox>(F, "CheckBox1")->isChecked();
        QTest::mouseClick(Find<QCheckBox>(F, "CheckBox1"), Qt::LeftButton);
        EXPECT_EQ(Find<QCheckBox>(F, "CheckBox1")->isChecked(), Leap) << Typed;
        QTest::mouseClick(Find<QCheckBox>(F, "CheckBox1"), Qt::LeftButton);
        EXPECT_EQ(Find<QCheckBox>(F, "CheckBox1")->isChecked(), Leap) << Typed;
    }
}

TEST_F(YearDetailsPage, TextThatNamesNoYearLeavesThePreviousYear)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Tishrei");
    const QStringList Year = YearTexts();
    const QStringList Month = MonthTexts();
    // Typed letters, or whole texts pasted: a number beyond 32 bits is no
    // year either.
    const std::pair<void (*)(QLineEdit&, const char*), const char*> Entries[] = {
        {Retype, "abc"}, {Retype, ""}, {Paste, "0"}, {Paste, "-5"}, {Paste, "57x"}, {Paste, "99999999999"},
    };
    for (const auto& [Enter, Typed] : Entries) {
        Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
        Enter(*Find<QLineEdit>(F, "Edit23"), Typed);
        EXPECT_EQ(YearTexts(), Year) << Typed;
        EXPECT_EQ(MonthTexts(), Month) << Typed;
        EXPECT_EQ(AdarEntries(), (QStringList{"Adar1", "Adar2"})) << Typed;
    }
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(YearDetailsPage, AYearBeyondTheCalendarIsOneErrorAndThePageStays)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit23"), "1377");
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Adar2");
    const QStringList Year = YearTexts();
    const QStringList Month = MonthTexts();
    const QStringList Adars = AdarEntries();
    ASSERT_TRUE(Captured.Boxes.empty());

    QTest::keyClick(Find<QLineEdit>(F, "Edit23"), Qt::Key_6);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("13776"));
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_EQ(Captured.Boxes[0], BoxCapture::TBox(TBoxKind::Error, QStringLiteral("Invalid argument to date encode.")));
    EXPECT_EQ(YearTexts(), Year);
    EXPECT_EQ(MonthTexts(), Month);
    EXPECT_EQ(AdarEntries(), Adars);
    // The month list still reads the year shown.
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Nissan");
    Pick(*Find<QComboBox>(F, "ComboBox1"), "Adar2");
    EXPECT_EQ(MonthTexts(), Month);
    EXPECT_EQ(Captured.Boxes.size(), 1U);

    // The last year of the calendar is still one.
    QTest::keyClick(Find<QLineEdit>(F, "Edit23"), Qt::Key_Backspace);
    QTest::keyClicks(Find<QLineEdit>(F, "Edit23"), QStringLiteral("5"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("13775"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit5")->text(), QStringLiteral("725"));
    EXPECT_EQ(Captured.Boxes.size(), 1U);
}

}  // namespace
}  // namespace mirvane
