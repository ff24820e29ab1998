#pragma once

class QPrinter;
class QTextDocument;

namespace mirvane {

// Lays Document out on Printer's pages, 2 cm in from each edge, and breaks
// every table between rows where a page ends: the rest of the table starts
// the next page under its heading rows, so that no row is stretched down to
// the foot of a page or split across two. Tables are expected without
// spanned cells, as the printouts make them.
void LayOutOnPages(QTextDocument& Document, QPrinter& Printer);

// Prints a document LayOutOnPages laid out, each page numbered at its foot,
// within the page range the print dialog chose.
void PrintPages(const QTextDocument& Document, QPrinter& Printer);

}  // namespace mirvane
