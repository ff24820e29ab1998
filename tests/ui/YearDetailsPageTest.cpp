#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "tests/ui/FormFixture.h"

namespace mirvane {
namespace {

class YearDetailsPage : public FormTest {
protected:
    TForm1& StartOnPage() { return StartShowing(TForm1::YearDetailsPage); }
    // The year's outputs in the page's order.
    QStringList YearTexts() const
    {
        const TForm1& F = *Form;
        return {F.Edit5->text(),  F.Edit6->text(),  F.CheckBox1->isChecked() ? QStringLiteral("leap") : QString(),
                F.Edit7->text(),  F.Edit8->text(),  F.Edit9->text(),
                F.Edit10->text(), F.Edit26->text(), F.Edit22->text(),
                F.Edit24->text(), F.Edit11->text(), F.Edit12->text()};
    }
    QStringList MonthTexts() const
    {
        const TForm1& F = *Form;
        return {F.Edit14->text(), F.Edit16->text(), F.Edit17->text(), F.Edit18->text(), F.Edit19->text()};
    }
    QStringList AdarEntries() const { return {Form->ComboBox1->itemText(11), Form->ComboBox1->itemText(12)}; }
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
        Retype(*F.Edit23, Case.Typed);
        EXPECT_EQ(YearTexts(), Case.Year) << Case.Typed;
        EXPECT_EQ(AdarEntries(), Case.Adars) << Case.Typed;
        EXPECT_EQ(F.ComboBox1->count(), 13);
        // No month chosen: month 0, and a zero molad.
        EXPECT_EQ(MonthTexts(), (QStringList{"0", "0", "0", "0", "Friday 18:00 and 0 parts"}));
    }
}

TEST_F(YearDetailsPage, YearOneHasNoDateForItsFirstDay)
{
    TForm1& F = StartOnPage();
    Retype(*F.Edit23, "1");
    const QStringList Year = YearTexts();
    EXPECT_EQ(Year.mid(0, 7), (QStringList{"1", "1", "", "2", "5", "204", "Monday"}));
    EXPECT_EQ(F.Edit26->text(), QString());
}

TEST_F(YearDetailsPage, AChosenMonthShowsItsLengthAndMolad)
{
    TForm1& F = StartOnPage();
    Retype(*F.Edit23, "5758");
    Pick(*F.ComboBox1, "Tishrei");
    EXPECT_EQ(F.ComboBox1->currentIndex(), 6);
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("30"));
    EXPECT_EQ(MonthTexts().mid(1, 3), (QStringList{F.Edit7->text(), F.Edit8->text(), F.Edit9->text()}));
    const QString TishreiMolad = F.Edit19->text();

    Pick(*F.ComboBox1, "Nissan");
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("30"));
    const QStringList Nissan = MonthTexts();
    EXPECT_NE(Nissan.value(4), TishreiMolad);

    // In a common year the blank thirteenth entry can be chosen: no days, and
    // the molad of the seventh month from Tishrei, Nissan's.
    Pick(*F.ComboBox1, 12);
    EXPECT_EQ(F.ComboBox1->currentIndex(), 12);
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("0"));
    EXPECT_EQ(MonthTexts().mid(1), Nissan.mid(1));
}

TEST_F(YearDetailsPage, TheChosenEntrySurvivesAChangeOfYear)
{
    TForm1& F = StartOnPage();
    Retype(*F.Edit23, "5787");
    Pick(*F.ComboBox1, "Adar2");
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("29"));

    Retype(*F.Edit23, "5758");
    EXPECT_EQ(F.ComboBox1->currentIndex(), 12);
    EXPECT_EQ(F.ComboBox1->currentText(), QString());
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("0"));

    Retype(*F.Edit23, "5787");
    EXPECT_EQ(F.ComboBox1->currentIndex(), 12);
    EXPECT_EQ(F.ComboBox1->currentText(), QStringLiteral("Adar2"));
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("29"));

    // The up/down control steps the year and the month follows.
    QTest::keyClick(F.Edit23, Qt::Key_Up);
    EXPECT_EQ(F.Edit23->text(), QStringLiteral("5788"));
    EXPECT_EQ(F.ComboBox1->currentIndex(), 12);
    EXPECT_EQ(F.Edit14->text(), QStringLiteral("0"));
}

TEST_F(YearDetailsPage, TheLeapBoxIsNotChangedByAClick)
{
    for (const char* Typed : {"5787", "5758"}) {
        TForm1& F = StartOnPage();
        Retype(*F.Edit23, Typed);
        const bool Leap = F.CheckBox1->isChecked();
        QTest::mouseClick(F.CheckBox1, Qt::LeftButton);
        EXPECT_EQ(F.CheckBox1->isChecked(), Leap) << Typed;
        QTest::mouseClick(F.CheckBox1, Qt::LeftButton);
        EXPECT_EQ(F.CheckBox1->isChecked(), Leap) << Typed;
    }
}

TEST_F(YearDetailsPage, TextThatNamesNoYearLeavesThePreviousYear)
{
    TForm1& F = StartOnPage();
    Retype(*F.Edit23, "5787");
    Pick(*F.ComboBox1, "Tishrei");
    const QStringList Year = YearTexts();
    const QStringList Month = MonthTexts();
    // Typed letters, or whole texts pasted: a number beyond 32 bits is no
    // year either.
    const std::pair<void (*)(QLineEdit&, const char*), const char*> Entries[] = {
        {Retype, "abc"}, {Retype, ""}, {Paste, "0"}, {Paste, "-5"}, {Paste, "57x"}, {Paste, "99999999999"},
    };
    for (const auto& [Enter, Typed] : Entries) {
        Retype(*F.Edit23, "5787");
        Enter(*F.Edit23, Typed);
        EXPECT_EQ(YearTexts(), Year) << Typed;
        EXPECT_EQ(MonthTexts(), Month) << Typed;
        EXPECT_EQ(AdarEntries(), (QStringList{"Adar1", "Adar2"})) << Typed;
    }
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(YearDetailsPage, AYearBeyondTheCalendarIsOneErrorAndThePageStays)
{
    TForm1& F = StartOnPage();
    Retype(*F.Edit23, "1377");
    Pick(*F.ComboBox1, "Adar2");
    const QStringList Year = YearTexts();
    const QStringList Month = MonthTexts();
    const QStringList Adars = AdarEntries();
    ASSERT_TRUE(Captured.Boxes.empty());

    QTest::keyClick(F.Edit23, Qt::Key_6);
    EXPECT_EQ(F.Edit23->text(), QStringLiteral("13776"));
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_EQ(Captured.Boxes[0], BoxCapture::TBox(TBoxKind::Error, QStringLiteral("Invalid argument to date encode.")));
    EXPECT_EQ(YearTexts(), Year);
    EXPECT_EQ(MonthTexts(), Month);
    EXPECT_EQ(AdarEntries(), Adars);
    // The month list still reads the year shown.
    Pick(*F.ComboBox1, "Nissan");
    Pick(*F.ComboBox1, "Adar2");
    EXPECT_EQ(MonthTexts(), Month);
    EXPECT_EQ(Captured.Boxes.size(), 1U);

    // The last year of the calendar is still one.
    QTest::keyClick(F.Edit23, Qt::Key_Backspace);
    QTest::keyClicks(F.Edit23, QStringLiteral("5"));
    EXPECT_EQ(F.Edit23->text(), QStringLiteral("13775"));
    EXPECT_EQ(F.Edit5->text(), QStringLiteral("725"));
    EXPECT_EQ(Captured.Boxes.size(), 1U);
}

}  // namespace
}  // namespace mirvane
