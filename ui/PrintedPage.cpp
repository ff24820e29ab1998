// The window's pages on paper. The text is built from what the page shows
// now, so a print always matches the screen; only the month table of Year
// Details is computed afresh, since the page shows one month at a time.

#include "ui/PrintedPage.h"

#include <utility>
#include <vector>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTabWidget>
#include <QList>
#include <QTextDocument>
#include <QTreeWidget>

#include "grid/MirvaneGrid.h"
#include "pages/YearDetailsPage.h"
#include "widgets/MemoLines.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

using TFacts = std::vector<std::pair<QString, QString>>;

QString Escaped(const QString& Text)
{
    return Text.toHtmlEscaped();
}

QString Heading(const QString& Title)
{
    return QStringLiteral("<h2>%1</h2>").arg(Escaped(Title));
}

// Label and value pairs, one a line, the labels bold.
QString FactsTable(const TFacts& Facts)
{
    QString Html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const auto& [Label, Value] : Facts) {
        Html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(Escaped(Label), Escaped(Value));
    }
    return Html + QStringLiteral("</table>");
}

// A ruled table; the first HeadingRows rows are headings. Widths, in per
// cent of the page, are given for the first columns that need them.
QString GridTable(const std::vector<QStringList>& Rows, int HeadingRows, const QList<int>& Widths = {})
{
    QString Html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">");
    for (std::size_t Index = 0; Index < Rows.size(); ++Index) {
        const QString Tag = static_cast<int>(Index) < HeadingRows ? QStringLiteral("th") : QStringLiteral("td");
        Html += QStringLiteral("<tr>");
        for (qsizetype Column = 0; Column < Rows[Index].size(); ++Column) {
            QString Attributes =
                Index == 0 && Column < Widths.size() ? QStringLiteral(" width=\"%1%\"").arg(Widths[Column]) : QString();
            // A Hebrew text reads from the right edge of its cell; headings
            // stay centred.
            if (static_cast<int>(Index) >= HeadingRows && Rows[Index][Column].isRightToLeft())
                Attributes += QStringLiteral(" align=\"right\"");
            Html += QStringLiteral("<%1%2>%3</%1>").arg(Tag, Attributes, Escaped(Rows[Index][Column]));
        }
        Html += QStringLiteral("</tr>");
    }
    return Html + QStringLiteral("</table>");
}

// The lines of a page's list, when the page shows it.
QString ListOf(const QPlainTextEdit& List)
{
    if (List.isHidden()) {
        return {};
    }
    QString Html = QStringLiteral("<p>");
    for (const QString& Line : MemoLines(List)) {
        Html += Escaped(Line) + QStringLiteral("<br>");
    }
    return Html + QStringLiteral("</p>");
}

// The month as the grid shows it: the two heading rows, then every day with
// its weekday, both days and its text.
QString CalendarHtml(const TForm1& Form)
{
    const TMonthGrid& Grid = Form.MirvaneGrid1->Model();
    std::vector<QStringList> Rows;
    const std::int32_t LastRow = FirstDayRow + Grid.Page().PageDays;
    for (std::int32_t Row = 0; Row < LastRow && Row < GridRowCount; ++Row) {
        QStringList Cells;
        for (std::int32_t Col = 0; Col < GridColCount; ++Col) {
            Cells.append(QString::fromStdString(Grid.CellText(Col, Row)).trimmed());
        }
        Rows.push_back(Cells);
    }
    return GridTable(Rows, FirstDayRow, {15, 10, 22});
}

QString BirthdaysHtml(const TForm1& Form)
{
    TFacts Facts{{QStringLiteral("Original date"), Form.Edit1->text()}};
    if (Form.CheckBox2->isChecked()) {
        Facts.emplace_back(QString(), QStringLiteral("between sunset and midnight"));
    }
    Facts.emplace_back(QStringLiteral("Jewish Date"), Form.Edit2->text());
    Facts.emplace_back(QStringLiteral("Year wanted"), Form.Edit3->text());
    const QRadioButton& Asked = Form.RadioButton1->isChecked() ? *Form.RadioButton1 : *Form.RadioButton2;
    Facts.emplace_back(QString(), Asked.text());
    Facts.emplace_back(QStringLiteral("Equivalent Date of B'day"), Form.Edit4->text());
    if (!Form.Memo4->isHidden()) {
        Facts.emplace_back(QStringLiteral("Number of years"), Form.Edit25->text());
    }
    return FactsTable(Facts) + ListOf(*Form.Memo4);
}

QString FestivalsHtml(const TForm1& Form)
{
    TFacts Facts{{QStringLiteral("Name of Festival"), Form.ComboBox2->currentText()},
                 {QStringLiteral("Gregorian Year"), Form.Edit13->text()},
                 {QStringLiteral("Date of Festival"), Form.Edit15->text()}};
    if (!Form.Memo5->isHidden()) {
        Facts.emplace_back(QStringLiteral("Number of years"), Form.Edit27->text());
    }
    return FactsTable(Facts) + ListOf(*Form.Memo5);
}

QString YearDetailsHtml(const TForm1& Form)
{
    const auto Joined = [](std::initializer_list<const QLineEdit*> Boxes) {
        QStringList Texts;
        for (const QLineEdit* Box : Boxes) {
            Texts.append(Box->text());
        }
        return Texts.join(QLatin1Char(' '));
    };
    const TFacts Facts{{QStringLiteral("Jewish Year"), Form.Edit23->text()},
                       {QStringLiteral("CycleNumber"), Form.Edit5->text()},
                       {QStringLiteral("Year In Cycle"), Form.Edit6->text()},
                       {QStringLiteral("Leap Year"), Form.CheckBox1->isChecked() ? QStringLiteral("yes")
                                                                                 : QStringLiteral("no")},
                       {QStringLiteral("New Moon Tishrei"), Joined({Form.Edit7, Form.Edit8, Form.Edit9})},
                       {QStringLiteral("First Day of Year"), Form.Edit26->text().isEmpty() ? Form.Edit10->text()
                                                                                         : Form.Edit26->text()},
                       {QStringLiteral("Season Nissan"), Joined({Form.Edit22, Form.Edit24})},
                       {QStringLiteral("Days In Cheshvan"), Form.Edit11->text()},
                       {QStringLiteral("Days In Kislev"), Form.Edit12->text()}};
    std::vector<QStringList> Rows{{QStringLiteral("Month"), QStringLiteral("Days"), QStringLiteral("Molad")}};
    if (Form.DetailsYear) {
        // The month box names the months of the shown year; a common year
        // leaves its last entry empty.
        for (int Entry = 0; Entry < Form.ComboBox1->count(); ++Entry) {
            const QString Name = Form.ComboBox1->itemText(Entry);
            if (Name.isEmpty()) {
                continue;
            }
            const TMonthDetails Month = ComputeMonthDetails(*Form.DetailsYear, Entry + 1);
            Rows.push_back({Name, QString::fromStdString(Month.Days), QString::fromStdString(Month.MoladText)});
        }
    }
    return FactsTable(Facts) + QStringLiteral("<p></p>") + GridTable(Rows, 1, {20, 10});
}

// Every row and column of the list as it is sorted on the page.
QString RememberHtml(const TForm1& Form)
{
    if (Form.ListView1 == nullptr) {
        return {};
    }
    const QAbstractItemModel& Model = *Form.ListView1->model();
    std::vector<QStringList> Rows(1);
    for (int Column = 0; Column < Model.columnCount(); ++Column) {
        Rows.front().append(Model.headerData(Column, Qt::Horizontal).toString());
    }
    for (int Row = 0; Row < Model.rowCount(); ++Row) {
        QStringList Cells;
        for (int Column = 0; Column < Model.columnCount(); ++Column) {
            Cells.append(Model.index(Row, Column).data().toString());
        }
        Rows.push_back(Cells);
    }
    return GridTable(Rows, 1);
}

}  // namespace

QString PrintedPageHtml(const TForm1& Form, int Page)
{
    QString Body;
    switch (Page) {
    case TForm1::CalendarPage:
        Body = CalendarHtml(Form);
        break;
    case TForm1::BirthdaysPage:
        Body = BirthdaysHtml(Form);
        break;
    case TForm1::FestivalsPage:
        Body = FestivalsHtml(Form);
        break;
    case TForm1::YearDetailsPage:
        Body = YearDetailsHtml(Form);
        break;
    case TForm1::RememberPage:
        Body = RememberHtml(Form);
        break;
    default:
        return {};
    }
    return QStringLiteral("<html><body>") + Heading(Form.PageControl1->tabText(Page)) + Body +
           QStringLiteral("</body></html>");
}

void PrintPage(const TForm1& Form, int Page, QPrinter& Printer)
{
    QTextDocument Document;
    QFont Font = Document.defaultFont();
    Font.setPointSizeF(10);
    Document.setDefaultFont(Font);
    Document.setHtml(PrintedPageHtml(Form, Page));
    Document.print(&Printer);
}

}  // namespace mirvane
