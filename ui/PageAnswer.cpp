// What the Birthdays/Yahrtzeits and Festivals pages do with their answer.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include "grid/MirvaneGrid.h"
#include "ui/MemoLines.h"
#include "ui/Mirvane.h"

namespace mirvane {

// The grid moves last: it may refuse a date beyond the years it lays out,
// and the page's own answer stands all the same.
void TForm1::ShowAnswer(QLineEdit& Output, QPlainTextEdit& List, const std::optional<TListedDate>& Answer,
                        const std::vector<TListedDate>& Lines, bool ListShown)
{
    if (!Answer) {
        Output.clear();
        List.hide();
        return;
    }
    Output.setText(QString::fromStdString(Answer->Text));
    QStringList Texts;
    Texts.reserve(static_cast<qsizetype>(Lines.size()));
    for (const TListedDate& Line : Lines) {
        Texts.append(QString::fromStdString(Line.Text));
    }
    SetMemoLines(List, Texts);
    List.setVisible(ListShown);
    MirvaneGrid1->SetDate(Answer->Date);
}

}  // namespace mirvane
