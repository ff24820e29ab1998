// The window's pages on paper: the heading and the tables the pages' own
// printouts are made of. Each page builds its text from what it shows now,
// so a print always matches the screen.

#include "ui/PrintedPage.h"

#include <algorithm>
#include <vector>

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QList>
#include <QTextDocument>

#include "widgets/MemoLines.h"
#include "ui/Mirvane.h"
#include "ui/PaperLayout.h"

namespace mirvane {
namespace {

QString Escaped(const QString& Text)
{
    return Text.toHtmlEscaped();
}

QString Heading(const QString& Title)
{
    return QStringLiteral("<h2>%1</h2>").arg(Escaped(Title));
}

bool RightToLeft()
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

// Qt lays a table's columns out from the left whatever the text's direction;
// a right-to-left page lists them from the right as the window shows them.
template <typename TList>
TList InReadingOrder(TList Cells)
{
    if (RightToLeft()) {
        std::reverse(Cells.begin(), Cells.end());
    }
    return Cells;
}

QString TableStart(const QString& Attributes)
{
    return QStringLiteral("<table%1%2>").arg(Attributes, RightToLeft() ? QStringLiteral(" align=\"right\"") : QString());
}

}  // namespace

QString FactsTable(const TFacts& Facts)
{
    QString Html = TableStart(QStringLiteral(" cellspacing=\"0\" cellpadding=\"3\""));
    for (const auto& [Label, Value] : Facts) {
        const QStringList Cells = InReadingOrder(
            QStringList{QStringLiteral("<b>%1</b>").arg(Escaped(Label)), Escaped(Value)});
        Html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(Cells[0], Cells[1]);
    }
    return Html + QStringLiteral("</table>");
}

QString GridTable(const std::vector<QStringList>& Rows, int HeadingRows, const QList<int>& GivenWidths)
{
    QString Html = TableStart(QStringLiteral(" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\""));
    // The widths given are those of the first columns, the rest share what is left.
    QList<int> Widths = GivenWidths;
    if (RightToLeft() && !Rows.empty()) {
        while (Widths.size() < Rows.front().size()) {
            Widths.append(0);
        }
        Widths = InReadingOrder(Widths);
    }
    for (std::size_t Index = 0; Index < Rows.size(); ++Index) {
        const QStringList Row = InReadingOrder(Rows[Index]);
        const QString Tag = static_cast<int>(Index) < HeadingRows ? QStringLiteral("th") : QStringLiteral("td");
        // The heading rows as the table's head, which the layout repeats on
        // each page.
        if (Index == 0 && HeadingRows > 0) {
            Html += QStringLiteral("<thead>");
        }
        if (static_cast<int>(Index) == HeadingRows && HeadingRows > 0) {
            Html += QStringLiteral("</thead>");
        }
        Html += QStringLiteral("<tr>");
        for (qsizetype Column = 0; Column < Row.size(); ++Column) {
            QString Attributes = Index == 0 && Column < Widths.size() && Widths[Column] > 0
                                     ? QStringLiteral(" width=\"%1%\"").arg(Widths[Column])
                                     : QString();
            // A Hebrew text reads from the right edge of its cell; headings
            // stay centred.
            if (static_cast<int>(Index) >= HeadingRows && Row[Column].isRightToLeft())
                Attributes += QStringLiteral(" align=\"right\"");
            Html += QStringLiteral("<%1%2>%3</%1>").arg(Tag, Attributes, Escaped(Row[Column]));
        }
        Html += QStringLiteral("</tr>");
    }
    return Html + QStringLiteral("</table>");
}

QString ListOf(const QPlainTextEdit& List)
{
    if (List.isHidden()) {
        return {};
    }
    // One block a line: a page then draws only its own lines, where of one
    // long paragraph it would also draw, clipped away but still in the
    // file, the line before its top.
    QString Html;
    QString Style = QStringLiteral(" style=\"margin-top:12px\"");
    for (const QString& Line : MemoLines(List)) {
        Html += QStringLiteral("<div%1>%2</div>").arg(Style, Escaped(Line));
        Style.clear();
    }
    return Html;
}

QString QuestionOf(const QStringList& Parts)
{
    QStringList Given;
    for (const QString& Part : Parts) {
        if (!Part.trimmed().isEmpty()) {
            Given.append(Part.trimmed());
        }
    }
    return Given.join(QStringLiteral(", "));
}

QString PrintedTitle(const TForm1& Form, int Page)
{
    if (Page < 0 || Page >= TForm1::PageCount) {
        return {};
    }
    const TWindowPage& Shown = Form.Page(Page);
    const QString Question = Shown.PrintedQuestion();
    return Question.isEmpty() ? Shown.Title() : Shown.Title() + QStringLiteral(": ") + Question;
}

QString PrintedFileName(const TForm1& Form, int Page)
{
    if (Page < 0 || Page >= TForm1::PageCount) {
        return {};
    }
    const TWindowPage& Shown = Form.Page(Page);
    QString Name = QuestionOf({Shown.Title(), Shown.PrintedQuestion()});
    for (qsizetype At = 0; At < Name.size(); ++At) {
        // "St. Louis" keeps its dot: only a dot before a letter or digit is
        // taken for an extension.
        const bool Extension = Name[At] == QLatin1Char('.') && At + 1 < Name.size() && !Name[At + 1].isSpace();
        if (Extension || QStringLiteral("/\\:*?\"<>|").contains(Name[At])) {
            Name[At] = QLatin1Char('-');
        }
    }
    return Name;
}

QString PrintedPageHtml(const TForm1& Form, int Page)
{
    if (Page < 0 || Page >= TForm1::PageCount) {
        return {};
    }
    const TWindowPage& Shown = Form.Page(Page);
    return QStringLiteral("<html><body%1>").arg(RightToLeft() ? QStringLiteral(" dir=\"rtl\"") : QString()) +
           Heading(Shown.Title()) + Shown.PrintedHtml() +
           QStringLiteral("</body></html>");
}

void LayOutPrintedPage(QTextDocument& Document, const TForm1& Form, int Page, QPrinter& Printer)
{
    QFont Font = Document.defaultFont();
    Font.setPointSizeF(10);
    Document.setDefaultFont(Font);
    Document.setHtml(PrintedPageHtml(Form, Page));
    LayOutOnPages(Document, Printer);
}

void PrintPage(const TForm1& Form, int Page, QPrinter& Printer)
{
    QTextDocument Document;
    LayOutPrintedPage(Document, Form, Page, Printer);
    Printer.setDocName(PrintedTitle(Form, Page));
    PrintPages(Document, Printer);
}

}  // namespace mirvane
