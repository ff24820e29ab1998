#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "import/ImportPlan.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTreeWidget;
class QWidget;

namespace mirvane {

// File > Import Dates...: what the file will add and what it sets aside and
// why. For a table without the calendar-import layout the user chooses the
// name and date columns, the date order and whether the dates are Gregorian
// or Jewish; the preview follows each choice. Ok adds; nothing is written
// before.
class TImportDialog : public QDialog {
    Q_OBJECT

public:
    TImportDialog(std::string Text, std::vector<TRememberEntry> Existing, TDateOrder Order,
                  QWidget* Parent = nullptr);

    const TImportPlan& Plan() const { return Current; }

    QTreeWidget* AddedList = nullptr;
    QTreeWidget* SkippedList = nullptr;
    QWidget* TableChoices = nullptr;
    QComboBox* NameColumnBox = nullptr;
    QComboBox* DateColumnBox = nullptr;
    QComboBox* OrderBox = nullptr;
    QComboBox* CalendarBox = nullptr;
    QLabel* Summary = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void BuildTableChoices(const std::vector<std::string>& Header);
    void Replan();

    std::string Text;
    std::vector<TRememberEntry> Existing;
    TImportChoices Choices;
    TImportPlan Current;
};

}  // namespace mirvane
