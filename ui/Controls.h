#pragma once

#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace mirvane {

class TUpDown;

// Makers of the window's controls. Each control gets its form name as its
// object name; inputs and outputs also get the accessible name by which
// screen readers and tests find them.

QLabel* MakeLabel(QWidget& Page, const char* Name, const QString& Caption);
QPushButton* MakeButton(QWidget& Page, const char* Name, const QString& Caption);
QCheckBox* MakeCheckBox(QWidget& Page, const char* Name, const QString& Caption);
QRadioButton* MakeRadioButton(QWidget& Page, const char* Name, const QString& Caption);
// The up/down control of Box; its accessible name follows the box's.
TUpDown* MakeUpDown(QWidget& Page, const char* Name, QLineEdit& Box, int Minimum, int Maximum, int Position);
// An edit box the user types into.
QLineEdit* MakeEdit(QWidget& Page, const char* Name, const QString& AccessibleName, const QString& Text = {});
// A read-only box for a result: reachable by the mouse for copying, skipped
// by the Tab key.
QLineEdit* MakeOutput(QWidget& Page, const char* Name, const QString& AccessibleName, const QString& Text = {});

// Shows an output box on the button face instead of the window colour, in
// the current palette and in any that replaces it.
void ShowOnButtonFace(QLineEdit& Box);

enum class TMemoBackground { Window, Page };

// A borderless memo of hint lines that the user does not edit; a label, which
// is all it needs to be.
QLabel* MakeHintMemo(QWidget& Page, const char* Name, const QStringList& Lines, TMemoBackground Background);
// A read-only list of results with a vertical scroll bar, hidden until a page
// has a list to show.
QPlainTextEdit* MakeListMemo(QWidget& Page, const char* Name, const QString& AccessibleName);

}  // namespace mirvane
