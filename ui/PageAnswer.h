#pragma once

#include <optional>
#include <vector>

#include "engine/DateServices.h"
#include "pages/YearList.h"
#include "ui/WindowPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace mirvane {

// A page that answers with a date and a list of dates, which leave the
// window as files: Birthdays/Yahrtzeits and Festivals.
class TAnswerTab : public TWindowPage {
    Q_OBJECT

public:
    bool HasExportList() const override { return true; }

signals:
    // The page found a date, which the month grid turns to.
    void AnswerFound(TDateTime Date);

protected:
    using TWindowPage::TWindowPage;

    // The answer into its output box and list, and the month grid moved to
    // it; without an answer the box is emptied and the list hidden, its
    // lines kept.
    void ShowAnswer(QLineEdit& Output, QPlainTextEdit& List, const std::optional<TListedDate>& Answer,
                    const std::vector<TListedDate>& Lines, bool ListShown);
};

}  // namespace mirvane
