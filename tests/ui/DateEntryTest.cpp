#include <QAction>
#include <QLocale>

#include "pages/DateEntry.h"
#include "tests/ui/FormFixture.h"
#include "ui/LocaleMonthNames.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using WindowDateEntry = FormTest;

struct TOrderCase {
    const char* Item;
    const char* Typed;
};

TEST_F(WindowDateEntry, ReadsUnderTheCheckedDateOrder)
{
    TForm1& F = Start();
    const TOrderCase Cases[] = {
        {"ddmmyy1", "1/12/70"},         {"ddmmyy1", "1 Dec 70"},  {"ddmmyy1", "Dec 1 70"},
        {"ddmmyy1", "1 December 1970"}, {"ddmmyy1", "1dec70"},    {"mmddyy1", "12/1/70"},
        {"mmddyy1", "Dec 1 70"},        {"mmddyy1", "1 Dec 70"},  {"yymmdd1", "70/12/1"},
        {"yymmdd1", "70 Dec 1"},        {"yymmdd1", "1970 December 1"},
    };
    for (const auto& Case : Cases) {
        Find<QAction>(F, Case.Item)->trigger();
        const TDateEntry Entry = F.ParseDateEntry(QString::fromLatin1(Case.Typed));
        EXPECT_EQ(Entry, (TDateEntry{1970, 12, 1, TDateEntryStatus::Read})) << Case.Typed;
    }
    // What the text does not write keeps the caller's values.
    Find<QAction>(F, "ddmmyy1")->trigger();
    EXPECT_EQ(F.ParseDateEntry(QString(), TDateEntry{2001, 5, 6}), (TDateEntry{2001, 5, 0, TDateEntryStatus::Empty}));
    EXPECT_EQ(F.ParseDateEntry(QStringLiteral("1/12/70/5"), TDateEntry{2001, 5, 6}).Status,
              TDateEntryStatus::StoppedEarly);
}

TEST(LocaleMonthNames, AreTheFormsTypedInADate)
{
    const TLocaleMonthNames French = MonthNamesOf(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(French.Full[11], "décembre");
    EXPECT_EQ(French.Full[7], "août");
    // Russian writes the month of a date in the genitive.
    const TLocaleMonthNames Russian = MonthNamesOf(QLocale(QLocale::Russian, QLocale::Russia));
    EXPECT_EQ(Russian.Full[11], "декабря");

    for (const char* Typed : {"1 décembre 1970", "1 DÉCEMBRE 1970", "1 déc. 1970"}) {
        EXPECT_EQ(ParseDateEntry(Typed, DayMonthYear, French), (TDateEntry{1970, 12, 1, TDateEntryStatus::Read}))
            << Typed;
    }
    EXPECT_EQ(ParseDateEntry("1 août 1970", DayMonthYear, French).Month, 8);
    EXPECT_EQ(ParseDateEntry("1 декабря 1970", DayMonthYear, Russian).Month, 12);
}

}  // namespace
}  // namespace mirvane
