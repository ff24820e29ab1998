#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace mirvane {

// What a screen reader sees of a grid: a table of cells, each with the text
// it shows, the heading cells as column and row headers, and the selected
// cell as the table's focused and selected child. The grid's own name and
// description come with it as for any widget.
//
// The factory for QAccessible::installFactory: an interface for any
// TCustomGrid, none for other objects.
QAccessibleInterface* GridAccessibleFactory(const QString& ClassName, QObject* Object);

}  // namespace mirvane
