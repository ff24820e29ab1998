// The Times page and its options in the window: the invitation without a
// place, Options > Location... choosing one and switching the festival
// rules when asked, the typed date's times, the Hebrew Names option, the
// page's print and export, the page in the Hebrew window, the grid's
// Candle-lighting Times option, and the page at start.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "grid/MirvaneGrid.h"
#include "tests/ui/FindControl.h"
#include "tests/ui/FormFixture.h"
#include "ui/LocationDialog.h"
#include "ui/PrintedPage.h"

namespace mirvane {
namespace {

class TimesTab : public FormTest {
protected:
    void StoreJerusalem() const
    {
        Store.Put({{"Name", QStringLiteral("Jerusalem")}, {"Country", QStringLiteral("Israel")},
                   {"Latitude", 31.76904}, {"Longitude", 35.21633}, {"TimeZone", QStringLiteral("Asia/Jerusalem")},
                   {"CandleMinutes", 40}, {"HavdalahMinutes", 0}},
                  QStringLiteral("Location"));
    }
    static QStringList Column(const QTableWidget& Table, int Column)
    {
        QStringList Cells;
        for (int Row = 0; Row < Table.rowCount(); ++Row)
            Cells.append(Table.item(Row, Column)->text());
        return Cells;
    }
};

TEST_F(TimesTab, OptionsLocationChoosesThePlaceAndSwitchesTheRulesWhenAsked)
{
    TForm1& F = StartShowing(TForm1::TimesPage);
    EXPECT_FALSE(Find<QLabel>(F, "LabelChoosePlace")->isHidden());
    EXPECT_TRUE(Find<QTableWidget>(F, "GridDayTimes")->isHidden());
    SetQuestionAnswer(true);
    QTimer::singleShot(0, [] {
        auto* Dialog = qobject_cast<TLocationDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(Dialog, nullptr);
        Dialog->SearchBox->clear();
        QTest::keyClicks(Dialog->SearchBox, QStringLiteral("jerusalem"));
        Dialog->FoundList->setCurrentRow(0);
        Dialog->accept();
    });
    Find<QAction>(F, "Location1")->trigger();
    SetQuestionAnswer(false);
    EXPECT_TRUE(Find<QAction>(F, "Israel1")->isChecked());
    EXPECT_EQ(Store.Stored(QStringLiteral("Location")).at("CandleMinutes"), QStringLiteral("40"));
    EXPECT_TRUE(Find<QLabel>(F, "LabelChoosePlace")->isHidden());
    EXPECT_TRUE(Find<QLabel>(F, "LabelPlace")->text().startsWith(QStringLiteral("Jerusalem, Israel")));
}

TEST_F(TimesTab, TheTypedDayAndItsMonthFollowTheOptionsAndArePrintedAndExported)
{
    StoreJerusalem();
    TForm1& F = StartShowing(TForm1::TimesPage);
    Find<QAction>(F, "Israel1")->trigger();
    Retype(*Find<QLineEdit>(F, "EditTimesDate"), "11/12/2026");  // a Friday of Chanukah
    const QTableWidget& Day = *Find<QTableWidget>(F, "GridDayTimes");
    const QStringList Captions = Column(Day, 0);
    ASSERT_EQ(Captions.size(), 15);  // Chanukah's candles, then Shabbat's
    EXPECT_EQ(Captions.front(), QStringLiteral("Dawn"));
    EXPECT_EQ(Captions.back(), QStringLiteral("Candle lighting"));
    EXPECT_TRUE(Find<QLabel>(F, "LabelTimesDay")->text().startsWith(QStringLiteral("Friday 11 December 2026, ")));
    const QTableWidget& Month = *Find<QTableWidget>(F, "GridMonthTimes");
    EXPECT_EQ(Find<QLabel>(F, "LabelTimesMonth")->text(), QStringLiteral("December 2026"));
    EXPECT_EQ(Month.item(0, 0)->text(), QStringLiteral("Fri 4 Dec"));
    EXPECT_EQ(Month.item(0, 1)->text(), QStringLiteral("Chanukah candles 15:54"));
    EXPECT_EQ(Month.item(1, 1)->text(), QStringLiteral("Candle lighting 15:54"));
    EXPECT_TRUE(PrintedPageHtml(F, TForm1::TimesPage).contains(QStringLiteral("Candle lighting 15:54")));
    EXPECT_EQ(PrintedFileName(F, TForm1::TimesPage), QStringLiteral("Times, Jerusalem, December 2026"));

    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_TRUE(Month.item(0, 2)->text().isRightToLeft()) << Month.item(0, 2)->text().toStdString();

    QString Problem;
    QProcess Cli;
    Cli.start(QStringLiteral(MIRVANE_CLI_PROGRAM),
              {QStringLiteral("times"), QStringLiteral("2026-12-01"), QStringLiteral("2026-12-31"),
               QStringLiteral("--latitude"), QStringLiteral("31.76904"), QStringLiteral("--longitude"),
               QStringLiteral("35.21633"), QStringLiteral("--timezone"), QStringLiteral("Asia/Jerusalem"),
               QStringLiteral("--candle-minutes"), QStringLiteral("40"), QStringLiteral("--israel"),
               QStringLiteral("--format"), QStringLiteral("csv")});
    ASSERT_TRUE(Cli.waitForFinished(30000));
    EXPECT_EQ(QByteArray::fromStdString(F.Page(TForm1::TimesPage).ExportText(TExportFormat::Csv, {}, Problem)),
              Cli.readAllStandardOutput());
}

TEST_F(TimesTab, TypingADateAnswersOnlyAWholeDateAndTellsOfAWrongOneOnLeavingTheBox)
{
    StoreJerusalem();
    TForm1& F = StartShowing(TForm1::TimesPage);
    QLineEdit& Box = *Find<QLineEdit>(F, "EditTimesDate");
    const QTableWidget& Day = *Find<QTableWidget>(F, "GridDayTimes");
    const QTableWidget& Month = *Find<QTableWidget>(F, "GridMonthTimes");
    Retype(Box, "29/2/2027");  // passes through "29/2/2", no date either
    EXPECT_TRUE(Captured.Boxes.empty());
    EXPECT_EQ(Day.rowCount(), 0);
    EXPECT_EQ(Month.rowCount(), 0);

    Retype(Box, "31/12/9999");
    EXPECT_TRUE(Captured.Boxes.empty());
    EXPECT_GE(Day.rowCount(), 13);
    EXPECT_EQ(Find<QLabel>(F, "LabelTimesMonth")->text(), QStringLiteral("December 9999"));
    EXPECT_EQ(Month.item(Month.rowCount() - 1, 0)->text(), QStringLiteral("Fri 31 Dec"));
    EXPECT_EQ(Find<QLabel>(F, "LabelTimesMonth")->accessibleName(), QStringLiteral("December 9999"));
    EXPECT_EQ(Find<QLabel>(F, "LabelPlace")->accessibleName(),
              QStringLiteral("Place: Jerusalem, Israel (Asia/Jerusalem)"));
    EXPECT_EQ(Find<QLabel>(F, "LabelTimesRules")->text(), QStringLiteral("Candles 40 minutes before sunset"));

    Retype(Box, "31/4/2027");
    EXPECT_TRUE(Captured.Boxes.empty());
    QTest::keyClick(&Box, Qt::Key_Tab);
    ASSERT_EQ(Captured.Boxes.size(), 1U);
    EXPECT_TRUE(Captured.Boxes[0].second.startsWith(QStringLiteral("\"31/4/2027\" is no date")))
        << Captured.Boxes[0].second.toStdString();
}

TEST_F(TimesTab, FarNorthTheDaySaysWhyATimeIsAbsentAndDatesOneAfterMidnight)
{
    Store.Put({{"Name", QStringLiteral("Longyearbyen")}, {"Country", QStringLiteral("Svalbard and Jan Mayen")},
               {"Latitude", 78.2232}, {"Longitude", 15.64689}, {"TimeZone", QStringLiteral("Arctic/Longyearbyen")},
               {"CandleMinutes", 18}, {"HavdalahMinutes", 0}},
              QStringLiteral("Location"));
    TForm1& F = StartShowing(TForm1::TimesPage);
    Retype(*Find<QLineEdit>(F, "EditTimesDate"), "24/8/2026");
    const QTableWidget& Day = *Find<QTableWidget>(F, "GridDayTimes");
    const int Sunset = static_cast<int>(Column(Day, 0).indexOf(QStringLiteral("Sunset")));
    ASSERT_GE(Sunset, 0);
    EXPECT_TRUE(Day.item(Sunset, 1)->text().startsWith(QStringLiteral("00:"))) << Day.item(Sunset, 1)->text().toStdString();
    EXPECT_TRUE(Day.item(Sunset, 1)->text().endsWith(QStringLiteral("(Tue 25 Aug)")));
    const QLabel& Note = *Find<QLabel>(F, "LabelTimesAbsent");
    EXPECT_FALSE(Note.isHidden());
    EXPECT_TRUE(Note.text().contains(QStringLiteral("It does not get dark enough for nightfall"))) << Note.text().toStdString();
}

TEST_F(TimesTab, TheHebrewWindowShowsTheTimesInHebrewUntilEnglishIsPicked)
{
    StoreJerusalem();
    Store.Put({{"HebrewName", QStringLiteral("ירושלים")}, {"CountryCode", QStringLiteral("IL")}},
              QStringLiteral("Location"));
    Store.Put({{"Language", QStringLiteral("Hebrew")}}, QStringLiteral("Display"));
    TForm1& F = StartShowing(TForm1::TimesPage);
    const QLabel& Place = *Find<QLabel>(F, "LabelPlace");
    EXPECT_TRUE(Place.text().startsWith(QStringLiteral("ירושלים, ישראל"))) << Place.text().toStdString();
    Find<QAction>(F, "Israel1")->trigger();
    Retype(*Find<QLineEdit>(F, "EditTimesDate"), "11/12/2026");
    const QTableWidget& Day = *Find<QTableWidget>(F, "GridDayTimes");
    const QTableWidget& Month = *Find<QTableWidget>(F, "GridMonthTimes");
    EXPECT_EQ(Day.item(0, 0)->text(), QStringLiteral("עלות השחר"));
    const QString DayLine = Find<QLabel>(F, "LabelTimesDay")->text();
    EXPECT_TRUE(DayLine.startsWith(QStringLiteral("יום שישי, 11 בדצמבר 2026, "))) << DayLine.toStdString();
    EXPECT_EQ(Find<QLabel>(F, "LabelTimesMonth")->text(), QStringLiteral("דצמבר 2026"));
    EXPECT_EQ(Month.item(1, 1)->text(), QStringLiteral("הדלקת נרות 15:54"));
    // The sheet's first column at the right.
    EXPECT_TRUE(PrintedPageHtml(F, TForm1::TimesPage).contains(QStringLiteral("<td align=\"right\">הדלקת נרות 15:54</td><td align=\"right\">יום ו׳ 4 בדצמ׳</td>")));

    Find<QAction>(F, "LanguageEnglish1")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(Day.item(0, 0)->text(), QStringLiteral("Dawn"));
    EXPECT_EQ(Month.item(0, 0)->text(), QStringLiteral("Fri 4 Dec"));
    EXPECT_TRUE(Place.text().startsWith(QStringLiteral("Jerusalem, Israel"))) << Place.text().toStdString();
}

TEST_F(TimesTab, TheGridOptionAddsTheTimesAndIsKeptInDisplay)
{
    StoreJerusalem();
    TForm1& F = Start();
    TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    Grid.SetDate(EncodeDate(2026, 12, 4));  // a Friday
    const int Friday = FirstDayRow + 3;
    EXPECT_EQ(Grid.Model().CellText(DayTextColumn, Friday).find("Candles"), std::string::npos);
    Find<QAction>(F, "CandleTimes1")->trigger();
    EXPECT_NE(Grid.Model().CellText(DayTextColumn, Friday).find("Candles 15:54"), std::string::npos);
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")).at("CandleLightingTimes"), QStringLiteral("1"));
    EXPECT_TRUE(Find<QAction>(Start(), "CandleTimes1")->isChecked());
}

TEST_F(TimesTab, AStoredStartTabOfFiveStartsOnIt)
{
    Store.Put({{"StartTab", 5}});
    EXPECT_EQ(Find<QTabWidget>(Start(), "PageControl1")->currentIndex(), TForm1::TimesPage);
}

}  // namespace
}  // namespace mirvane
