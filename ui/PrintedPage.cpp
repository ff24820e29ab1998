// The window's pages on paper: the heading and the tables the pages' own
// printouts are made of. Each page builds its text from what it shows now,
// so a print always matches the screen.

#include "ui/PrintedPage.h"

#include <vector>

#include <QPlainTextEdit>
#include <QPrinter>
#include <QList>
#include <QTextDocument>

#include "widgets/MemoLines.h"
#include "ui/Mirvane.h"

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

}  // namespace

QString FactsTable(const TFacts& Facts)
{
    QString Html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"3\">");
    for (const auto& [Label, Value] : Facts) {
        Html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(Escaped(Label), Escaped(Value));
    }
    return Html + QStringLiteral("</table>");
}

QString GridTable(const std::vector<QStringList>& Rows, int HeadingRows, const QList<int>& Widths)
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

QString PrintedPageHtml(const TForm1& Form, int Page)
{
    if (Page < 0 || Page >= TForm1::PageCount) {
        return {};
    }
    const TWindowPage& Shown = Form.Page(Page);
    return QStringLiteral("<html><body>") + Heading(Shown.Title()) + Shown.PrintedHtml() +
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
