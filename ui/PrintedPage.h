#pragma once

#include <utility>
#include <vector>

#include <QList>
#include <QString>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QTextDocument;

namespace mirvane {

class TForm1;

// What a page of the window puts on paper, as rich text: a heading, then
// the page's content as the user sees it, without the selection's colours.
// The Calendar page gives its month, the two list pages their question,
// answer and list, Year Details its facts and a table of the year's months,
// Dates to Remember its list as a table.
QString PrintedPageHtml(const TForm1& Form, int Page);
// The printout's name, as print queues and a PDF's title show it: the
// page's title and what it is asked ("Festivals: Pessach day 1, 2026").
QString PrintedTitle(const TForm1& Form, int Page);
// The name a PDF file of the printout is offered under: the title and the
// question joined by commas ("Times, Jerusalem, December 2026"). The print
// dialog takes a slash for a folder and cuts at the last dot, so the
// characters a file name cannot keep become hyphens ("1-12-70").
QString PrintedFileName(const TForm1& Form, int Page);
// The parts of a question that are given, joined by commas.
QString QuestionOf(const QStringList& Parts);

// Label and value pairs, one a line, the labels bold.
using TFacts = std::vector<std::pair<QString, QString>>;
QString FactsTable(const TFacts& Facts);
// A ruled table; the first HeadingRows rows are headings, repeated at the
// top of every page the table runs onto. Widths, in per cent of the page,
// are given for the first columns that need them.
QString GridTable(const std::vector<QStringList>& Rows, int HeadingRows, const QList<int>& Widths = {});
// The lines of a page's list, when the page shows it.
QString ListOf(const QPlainTextEdit& List);

// PrintedPageHtml laid out on the printer's pages, as PrintPage prints it.
void LayOutPrintedPage(QTextDocument& Document, const TForm1& Form, int Page, QPrinter& Printer);
// Lays out PrintedPageHtml on the printer's pages and prints it under the
// name PrintedTitle; the same for a paper printer, a PDF file and a
// preview.
void PrintPage(const TForm1& Form, int Page, QPrinter& Printer);

}  // namespace mirvane
