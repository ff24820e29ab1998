#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextFrame>
#include <QTreeWidget>
#include <QDir>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "engine/DateServices.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/DueDates.h"
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
        Title = PdfInfo(Path, QStringLiteral("Title"));
        if (const char* Shots = std::getenv("MIRVANE_PRINT_SHOTS")) {
            const QString Shot = QDir(QString::fromLocal8Bit(Shots)).filePath(QFileInfo(Path).fileName());
            QFile::remove(Shot);
            QFile::copy(Path, Shot);
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

    // Whether each table of a printout lies on one page: Qt stretches the
    // last row of a table that runs over a page down to the page's foot.
    static bool EveryTableOnOnePage(TForm1& F, int Page)
    {
        QPrinter Printer(QPrinter::HighResolution);
        Printer.setOutputFormat(QPrinter::PdfFormat);
        QTextDocument Document;
        LayOutPrintedPage(Document, F, Page, Printer);
        const qreal Height = Document.pageSize().height();
        for (QTextFrame* Table : Document.rootFrame()->childFrames()) {
            const QRectF Place = Document.documentLayout()->frameBoundingRect(Table);
            if (std::floor(Place.top() / Height) != std::floor((Place.bottom() - 1) / Height)) {
                return false;
            }
        }
        return true;
    }
    // The text of each page, by the form feed pdftotext ends it with.
    static QStringList PagesOf(const QString& Text) { return Text.split(QLatin1Char('\f')); }
    // The first line of a page that holds more than blanks.
    static QString FirstLine(const QString& Page)
    {
        for (const QString& Line : Rows(Page)) {
            if (!Line.isEmpty()) {
                return Line;
            }
        }
        return {};
    }

    QTemporaryDir Folder;
    int Pages = 0;
    QString Title;
};

TEST_F(Printing, TheCalendarPrintsItsWholeMonthOnOnePageWithoutTheSelection)
{
    TForm1& F = Start();
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    const QStringList Text = Rows(Print(F, TForm1::CalendarPage));
    EXPECT_EQ(Pages, 1);
    EXPECT_EQ(Title, QStringLiteral("Calendar: December 2026"));
    EXPECT_TRUE(Text.contains(QStringLiteral("Calendar")));
    const QString All = Text.join(QLatin1Char('\n'));
    // The heading rows: the years, then the months of both calendars.
    EXPECT_TRUE(Text.contains(QStringLiteral("2026 5787"))) << All.toStdString();
    EXPECT_TRUE(Text.contains(QStringLiteral("Dec Kislev/Tevet")));
    // Every day on its own row: weekday, both days and the day's text.
    EXPECT_TRUE(Text.contains(QStringLiteral("Sunday 6 26 Chanukah day 2")));
    // The luach's entries shown in the grid are printed with the day, their
    // cell wrapping where the paper is too narrow.
    EXPECT_TRUE(All.simplified().contains(QStringLiteral("Saturday 5 25 Chanukah day 1 VaYeshev Shabbat Mevarchim "
                                                         "Tevet. Molad Tevet: Wednesday, 11 minutes and 4 parts after "
                                                         "11:00")))
        << All.toStdString();
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
    EXPECT_EQ(Title, QStringLiteral("Birthdays/Yahrtzeits: 1/12/70, 2026"));
    // The print dialog would take the slashes for folders.
    EXPECT_EQ(PrintedFileName(F, TForm1::BirthdaysPage), QStringLiteral("Birthdays-Yahrtzeits, 1-12-70, 2026"));
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
    EXPECT_EQ(Title, QStringLiteral("Festivals: Purim, 2026"));

    // 200 years run over pages, each year printed once.
    Retype(*Find<QLineEdit>(F, "Edit27"), "200");
    const QStringList Printed = Rows(Print(F, TForm1::FestivalsPage));
    EXPECT_GE(Pages, 3);
    const QStringList Years = Lines(*Find<QPlainTextEdit>(F, "Memo5"));
    EXPECT_EQ(Years.size(), 200);
    for (const QString& Line : Years) {
        EXPECT_EQ(Printed.count(Line), 1) << Line.toStdString();
    }
    EXPECT_TRUE(EveryTableOnOnePage(F, TForm1::FestivalsPage));
}

TEST_F(Printing, YearDetailsPrintsItsFactsAndEveryMonthOfTheYear)
{
    TForm1& F = Start();
    Retype(*Find<QLineEdit>(F, "Edit23"), "5784");  // a leap year: thirteen months
    const QString All = Rows(Print(F, TForm1::YearDetailsPage)).join(QLatin1Char('\n'));
    EXPECT_EQ(Pages, 1);
    EXPECT_EQ(Title, QStringLiteral("Year Details: 5784"));
    for (const QString& Expected :
         {QStringLiteral("Jewish Year 5784"), QStringLiteral("Leap Year yes"), QStringLiteral("Days In Cheshvan"),
          QStringLiteral("First Day of Year ") + Find<QLineEdit>(F, "Edit26")->text()}) {
        EXPECT_TRUE(All.contains(Expected)) << Expected.toStdString() << "\n" << All.toStdString();
    }
    const QRegularExpression MonthRow(QStringLiteral("\\n(Nissan|Iyar|Sivan|Tamuz|Av|Elul|Tishrei|Cheshvan|Kislev|"
                                                     "Tevet|Shvat|Adar1|Adar2) (29|30) \\S"));
    EXPECT_EQ(All.count(MonthRow), 13) << All.toStdString();
    // In the order of the year, from Tishrei, as the molads run.
    QStringList Order;
    for (auto Match = MonthRow.globalMatch(All); Match.hasNext();) {
        Order.append(Match.next().captured(1));
    }
    EXPECT_EQ(Order.join(QLatin1Char(' ')),
              QStringLiteral("Tishrei Cheshvan Kislev Tevet Shvat Adar1 Adar2 Nissan Iyar Sivan Tamuz Av Elul"));
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

// The Hebrew window prints right to left, its columns in the order the grid
// shows them: the weekday at the right edge.
TEST_F(Printing, TheHebrewWindowPrintsRightToLeft)
{
    Store.Put({{"Language", QStringLiteral("Hebrew")}}, QStringLiteral("Display"));
    TForm1& F = Start();
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    const QString Html = PrintedPageHtml(F, TForm1::CalendarPage);
    EXPECT_TRUE(Html.contains(QStringLiteral("<body dir=\"rtl\"><h2>לוח שנה</h2>"))) << Html.toStdString();
    EXPECT_TRUE(Html.contains(QStringLiteral("<td align=\"right\">חנוכה ב׳</td><td align=\"right\">כ״ו</td><td>6</td>"
                                             "<td align=\"right\">יום ראשון</td>")))
        << Html.toStdString();
    Print(F, TForm1::CalendarPage);
    EXPECT_EQ(Title, QStringLiteral("לוח שנה: דצמבר 2026"));
    Find<QAction>(F, "JewishMonth1")->trigger();
    EXPECT_EQ(PrintedTitle(F, TForm1::CalendarPage), QStringLiteral("לוח שנה: כסלו תשפ״ז"));
}

TEST_F(Printing, DatesToRememberPrintsItsListAsATable)
{
    TemporaryDataHome Data;
    for (int Day = 1; Day <= 60; ++Day) {
        Data.AddOnce(QStringLiteral("Occasion %1").arg(Day).toUtf8().constData(), Day);
    }
    TForm1& F = StartShowing(TForm1::RememberPage);
    ASSERT_NE(Find<QTreeWidget>(F, "ListView1"), nullptr);
    const QString Text = Print(F, TForm1::RememberPage);
    const QString All = Rows(Text).join(QLatin1Char('\n'));
    EXPECT_TRUE(All.contains(QStringLiteral("Dates to Remember")));
    EXPECT_EQ(Title, QStringLiteral("Dates to Remember"));
    const QString Headings = QStringLiteral("Name of Occasion G Date J Date Date this year");
    EXPECT_TRUE(All.contains(Headings)) << All.toStdString();
    // The list runs onto a second page, which starts with the headings.
    ASSERT_GE(Pages, 2);
    EXPECT_EQ(FirstLine(PagesOf(Text)[1]), Headings) << Text.toStdString();
    EXPECT_TRUE(EveryTableOnOnePage(F, TForm1::RememberPage));
}

}  // namespace
}  // namespace mirvane
