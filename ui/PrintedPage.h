#pragma once

#include <utility>
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;

namespace mirvane {

class TForm1;

// What a page of the window puts on paper, as rich text: a heading, then
// the page's content as the user sees it, without the selection's colours.
// The Calendar page gives its month, the two list pages their question,
// answer and list, Year Details its facts and a table of the year's months,
// Dates to Remember its list as a table.
QString PrintedPageHtml(const TForm1& Form, int Page);

// Label and value pairs, one a line, the labels bold.
using TFacts = std::vector<std::pair<QString, QString>>;
QString FactsTable(const TFacts& Facts);
// A ruled table; the first HeadingRows rows are headings. Widths, in per
// cent of the page, are given for the first columns that need them.
QString GridTable(const std::vector<QStringList>& Rows, int HeadingRows, const QList<int>& Widths = {});
// The lines of a page's list, when the page shows it.
QString ListOf(const QPlainTextEdit& List);

// Lays out PrintedPageHtml on the printer's pages and prints it; the same
// for a paper printer, a PDF file and a preview.
void PrintPage(const TForm1& Form, int Page, QPrinter& Printer);

}  // namespace mirvane
