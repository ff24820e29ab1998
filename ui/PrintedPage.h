#pragma once

#include <QString>

class QPrinter;

namespace mirvane {

class TForm1;

// What a page of the window puts on paper, as rich text: a heading, then
// the page's content as the user sees it, without the selection's colours.
// The Calendar page gives its month, the two list pages their question,
// answer and list, Year Details its facts and a table of the year's months,
// Dates to Remember its list as a table.
QString PrintedPageHtml(const TForm1& Form, int Page);

// Lays out PrintedPageHtml on the printer's pages and prints it; the same
// for a paper printer, a PDF file and a preview.
void PrintPage(const TForm1& Form, int Page, QPrinter& Printer);

}  // namespace mirvane
