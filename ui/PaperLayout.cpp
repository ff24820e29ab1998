// A rich-text document on paper. The document is laid out on the printer's
// own pages and painted page by page, rather than handed to
// QTextDocument::print, so that the pages looked at while breaking tables
// are the pages printed.

#include "ui/PaperLayout.h"

#include <cmath>

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextTable>

namespace mirvane {
namespace {

constexpr qreal MarginInches = 2 / 2.54;

// The page Y lies on.
int PageAt(const QTextDocument& Document, qreal Y)
{
    return static_cast<int>(std::floor(Y / Document.pageSize().height()));
}

// The page on which row Row of Table ends: the foot of its tallest cell.
int PageOfRowEnd(const QTextDocument& Document, const QTextTable& Table, int Row)
{
    qreal Bottom = 0;
    for (int Column = 0; Column < Table.columns(); ++Column) {
        const QTextBlock Last = Table.cellAt(Row, Column).lastCursorPosition().block();
        Bottom = std::max(Bottom, Document.documentLayout()->blockBoundingRect(Last).bottom());
    }
    // A line ending exactly at a page's foot belongs to that page.
    return PageAt(Document, Bottom - 1);
}

// The first row of Table, after its heading rows and its first row, that
// ends on a later page than the row before it; -1 when the table ends on
// the page it starts on. Qt moves a row that no longer fits to the next
// page by stretching the row before it to the page's foot, and lets a row
// whose text starts above the foot run on over the break.
int FirstRowOnANewPage(const QTextDocument& Document, const QTextTable& Table)
{
    const int Headings = Table.format().headerRowCount();
    for (int Row = Headings + 1; Row < Table.rows(); ++Row) {
        if (PageOfRowEnd(Document, Table, Row) > PageOfRowEnd(Document, Table, Row - 1)) {
            return Row;
        }
    }
    return -1;
}

void CopyCell(const QTextTableCell& From, QTextTableCell To)
{
    To.setFormat(From.format());
    QTextCursor Source = From.firstCursorPosition();
    Source.setPosition(From.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    QTextCursor Target = To.firstCursorPosition();
    Target.setBlockFormat(From.firstCursorPosition().blockFormat());
    Target.setBlockCharFormat(From.firstCursorPosition().blockCharFormat());
    Target.insertFragment(Source.selection());
}

// Moves the rows of Table from Row on into a new table after it, which
// starts a page with a copy of the heading rows. One edit, so that the
// document is laid out again once, not at every cell.
void BreakTableAt(QTextTable& Table, int Row)
{
    const int Headings = Table.format().headerRowCount();
    const int Moved = Table.rows() - Row;
    const QTextTableFormat Format = Table.format();
    QTextCursor After(Table.document());
    After.beginEditBlock();
    // The page ends with the table: a page break before the new table
    // would leave a sliver of its border at the foot of this page.
    QTextTableFormat Ended = Format;
    Ended.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
    Table.setFormat(Ended);
    After.setPosition(Table.lastPosition() + 1);
    QTextTable& Rest = *After.insertTable(Headings + Moved, Table.columns(), Format);
    for (int Target = 0; Target < Headings + Moved; ++Target) {
        const int Source = Target < Headings ? Target : Row + Target - Headings;
        for (int Column = 0; Column < Table.columns(); ++Column) {
            CopyCell(Table.cellAt(Source, Column), Rest.cellAt(Target, Column));
        }
    }
    Table.removeRows(Row, Moved);
    After.endEditBlock();
}

// The first table, in the order of the document, with a row on a new page.
bool BreakFirstTableOverAPage(QTextDocument& Document)
{
    for (QTextFrame* Frame : Document.rootFrame()->childFrames()) {
        auto* Table = qobject_cast<QTextTable*>(Frame);
        if (Table == nullptr) {
            continue;
        }
        const int Row = FirstRowOnANewPage(Document, *Table);
        if (Row >= 0) {
            BreakTableAt(*Table, Row);
            return true;
        }
    }
    return false;
}

}  // namespace

void LayOutOnPages(QTextDocument& Document, QPrinter& Printer)
{
    // The pages hold the text between the margins; the margins are left
    // when each page is painted.
    const qreal MarginX = MarginInches * Printer.logicalDpiX();
    const qreal MarginY = MarginInches * Printer.logicalDpiY();
    Document.documentLayout()->setPaintDevice(&Printer);
    Document.setDocumentMargin(0);
    Document.setPageSize(QSizeF(Printer.width() - 2 * MarginX, Printer.height() - 2 * MarginY));
    // Each break lays the rest of the document out again, with the moved
    // rows at the top of a page, where they may run over the next one.
    while (BreakFirstTableOverAPage(Document)) {
    }
}

void PrintPages(const QTextDocument& Document, QPrinter& Printer)
{
    QPainter Painter;
    if (!Painter.begin(&Printer)) {
        return;
    }
    const qreal MarginX = MarginInches * Printer.logicalDpiX();
    const qreal MarginY = MarginInches * Printer.logicalDpiY();
    const QSizeF Body = Document.pageSize();
    const int Pages = Document.pageCount();
    const int First = Printer.fromPage() > 0 ? Printer.fromPage() : 1;
    const int Last = Printer.toPage() > 0 ? std::min(Printer.toPage(), Pages) : Pages;
    Painter.setFont(Document.defaultFont());
    for (int Page = First; Page <= Last; ++Page) {
        if (Page > First) {
            Printer.newPage();
        }
        const QRectF View(0, (Page - 1) * Body.height(), Body.width(), Body.height());
        Painter.save();
        Painter.translate(MarginX, MarginY - View.top());
        Painter.setClipRect(View);
        // What ends at the page's foot or starts at its top is not drawn on
        // the page before or after, where, clipped away, it would still be
        // in the file. A point is less than any line.
        const qreal Point = Printer.logicalDpiY() / 72.0;
        QAbstractTextDocumentLayout::PaintContext Context;
        Context.clip = View.adjusted(0, Point, 0, -Point);
        Context.palette.setColor(QPalette::Text, Qt::black);
        Document.documentLayout()->draw(&Painter, Context);
        Painter.restore();
        const QString Number = QString::number(Page);
        Painter.drawText(QPointF(MarginX + Body.width() - Painter.fontMetrics().horizontalAdvance(Number),
                                 MarginY + Body.height() + Painter.fontMetrics().ascent() + Printer.logicalDpiY() * 5 / 72.0),
                         Number);
    }
}

}  // namespace mirvane
