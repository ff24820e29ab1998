// What the Birthdays/Yahrtzeits and Festivals pages do with their answer.

#include "ui/PageAnswer.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>

#include "engine/DateServices.h"
#include "ui/LocalDates.h"
#include "widgets/MemoLines.h"

namespace mirvane {
namespace {

// The last year of the Calendar page, whose Gregorian pages end with it.
constexpr std::int32_t LastGridYear = 9999;

}  // namespace

// The grid moves last. It lays out no month past the year 9999, while an
// anniversary or a festival typed for such a year is still a right answer:
// the page shows it, and the grid stays where it was, without a box at every
// keystroke for an input that is not wrong.
void TAnswerTab::ShowAnswer(QLineEdit& Output, QPlainTextEdit& List, const std::optional<TListedDate>& Answer,
                            const std::vector<TListedDate>& Lines, bool ListShown)
{
    if (!Answer) {
        Output.clear();
        List.hide();
        return;
    }
    Output.setText(LocalDateText(Answer->Date));
    QStringList Texts;
    Texts.reserve(static_cast<qsizetype>(Lines.size()));
    for (const TListedDate& Line : Lines) {
        Texts.append(LocalDateText(Line.Date));
    }
    SetMemoLines(List, Texts);
    List.setVisible(ListShown);
    // A Jewish-month page could still lay such a date out, but the Calendar
    // page's year boxes would then be handed a year they cannot take.
    if (DecodeDate(Answer->Date).Year <= LastGridYear) {
        emit AnswerFound(Answer->Date);
    }
}

}  // namespace mirvane
