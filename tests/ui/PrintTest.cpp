#include <QTreeWidget>
#include <QDir>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/DateServices.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/PdfText.h"
#include "ui/PrintedPage.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

// Each page printed to a PDF file, as "Print to PDF" does, and read back.
class Printing : public FormTest {
protected:
    QString Print(TForm1& F, int Page)
    {
        const QString Path = Folder.filePath(QStringLiteral("page%1.pdf").arg(Page));
        QPrinter Printer(QPrinter::HighResolution);
        Printer.setOutputFormat(QPrinter::PdfFormat);
        Printer.setOutputFileName(Path);
        PrintPage(F, Page, Printer);
        Pages = PdfPageCount(Path);
        if (const char* Shots = std::getenv("MIRVANE_PRINT_SHOTS")) {
            QFile::copy(Path, QDir(QString::fromLocal8Bit(Shots)).filePath(QFileInfo(Path).fileName()));
        }
        return PdfText(Path);
    }
    // The words of Text with runs of blanks made one, so that a table row
    // reads as one line whatever the column widths.
    static QStringList Rows(const QString& Text)
    {
        QStringList Result;
        for (const QString& Line : Text.split(QLatin1Char('\n'))) {
            Result.append(Line.simplified());
        }
        return Result;
    }

    QTemporaryDir Folder;
    int Pages = 0;
};

TEST_F(Printing, TheCalendarPrintsItsWholeMonthOnOnePageWithoutTheSelection)
{
    TForm1& F = Start();
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    const QStringList Text = Rows(Print(F, TForm1::CalendarPage));
    EXPECT_EQ(Pages, 1);
    EXPECT_TRUE(Text.contains(QStringLiteral("Calendar")));
    const QString All = Text.join(QLatin1Char('\n'));
    // The heading rows: the years, then the months of both calendars.
    EXPECT_TRUE(Text.contains(QStringLiteral("2026 5787"))) << All.toStdString();
    EXPECT_TRUE(Text.contains(QStringLiteral("Dec Kislev/Tevet")));
    // Every day on its own row: weekday, both days and the day's text.
    EXPECT_TRUE(Text.contains(QStringLiteral("Sunday 6 26 Chanukah day 2")));
    EXPECT_TRUE(Text.contains(QStringLiteral("Saturday 5 25 Chanukah day 1 VaYeshev")));
    for (int Day = 1; Day <= 31; ++Day) {
        EXPECT_TRUE(All.contains(QRegularExpression(QStringLiteral("\\n\\S+ %1 \\d+").arg(Day)))) << Day;
    }
}

TEST_F(Printing, TheListPagesPrintTheirQuestionAnswerAndList)
{
    TForm1& F = Start();
    Retype(*Find<QLineEdit>(F, "Edit3"), "2026");
    Retype(*Find<QLineEdit>(F, "Edit25"), "3");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    QString All = Rows(Print(F, TForm1::BirthdaysPage)).join(QLatin1Char('\n'));
    EXPECT_EQ(Pages, 1);
    for (const QString& Expected :
         {QStringLiteral("Birthdays/Yahrtzeits"), QStringLiteral("Original date 1/12/70"),
          QStringLiteral("Jewish Date ") + Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("Year wanted 2026"),
          QStringLiteral("Equivalent Date of B'day ") + Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Number of years 3")}) {
        EXPECT_TRUE(All.contains(Expected)) << Expected.toStdString() << "\n" << All.toStdString();
    }
    for (const QString& Line : Lines(*Find<QPlainTextEdit>(F, "Memo4"))) {
        EXPECT_TRUE(All.contains(Line)) << Line.toStdString();
    }
    EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo4")).size(), 3);

    Pick(*Find<QComboBox>(F, "ComboBox2"), "Purim");
    Retype(*Find<QLineEdit>(F, "Edit13"), "2026");
    Retype(*Find<QLineEdit>(F, "Edit27"), "2");
    All = Rows(Print(F, TForm1::FestivalsPage)).join(QLatin1Char('\n'));
    for (const QString& Expected : {QStringLiteral("Name of Festival Purim"), QStringLiteral("Gregorian Year 2026"),
                                    QStringLiteral("Date of Festival ") + Find<QLineEdit>(F, "Edit15")->text()}) {
        EXPECT_TRUE(All.contains(Expected)) << Expected.toStdString() << "\n" << All.toStdString();
    }
    for (const QString& Line : Lines(*Find<QPlainTextEdit>(F, "Memo5"))) {
        EXPECT_TRUE(All.contains(Line)) << Line.toStdString();
    }
}

TEST_F(Printing, YearDetailsPrintsItsFactsAndEveryMonthOfTheYear)
{
    TForm1& F = Start();
    Retype(*Find<QLineEdit>(F, "Edit23"), "5784");  // a leap year: thirteen months
    const QString All = Rows(Print(F, TForm1::YearDetailsPage)).join(QLatin1Char('\n'));
    EXPECT_EQ(Pages, 1);
    for (const QString& Expected :
         {QStringLiteral("Jewish Year 5784"), QStringLiteral("Leap Year yes"), QStringLiteral("Days In Cheshvan"),
          QStringLiteral("First Day of Year ") + Find<QLineEdit>(F, "Edit26")->text()}) {
        EXPECT_TRUE(All.contains(Expected)) << Expected.toStdString() << "\n" << All.toStdString();
    }
    const QRegularExpression MonthRow(QStringLiteral("\\n(Nissan|Iyar|Sivan|Tamuz|Av|Elul|Tishrei|Cheshvan|Kislev|"
                                                     "Tevet|Shvat|Adar1|Adar2) (29|30) \\S"));
    EXPECT_EQ(All.count(MonthRow), 13) << All.toStdString();
}

TEST_F(Printing, HebrewDayTextsStandAtTheRightOfTheirCellsUnderTheHebrewNamesOption)
{
    TForm1& F = Start();
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    EXPECT_FALSE(PrintedPageHtml(F, TForm1::CalendarPage).contains(QStringLiteral("align=\"right\"")));
    Find<QAction>(F, "HebrewNames1")->trigger();
    const QString Html = PrintedPageHtml(F, TForm1::CalendarPage);
    EXPECT_TRUE(Html.contains(QStringLiteral("<td align=\"right\">חנוכה ב׳</td>"))) << Html.toStdString();
    EXPECT_TRUE(Html.contains(QStringLiteral("<th>כסלו/טבת</th>"))) << "headings stay centred";
}

TEST_F(Printing, DatesToRememberPrintsItsListAsATable)
{
    TForm1& F = StartShowing(TForm1::RememberPage);
    ASSERT_NE(Find<QTreeWidget>(F, "ListView1"), nullptr);
    const QString All = Rows(Print(F, TForm1::RememberPage)).join(QLatin1Char('\n'));
    EXPECT_TRUE(All.contains(QStringLiteral("Dates to Remember")));
    EXPECT_TRUE(All.contains(QStringLiteral("Name of Occasion G Date J Date Date this year"))) << All.toStdString();
}

}  // namespace
}  // namespace mirvane
