// The "Hebrew Names" option: Jewish dates and names in Hebrew letters in the
// grid, the pages' Jewish date boxes, the Festivals page's list and the
// dates to remember.

#include <QAction>
#include <QLineEdit>

#include "grid/MirvaneGrid.h"
#include "pages/AnniversaryPage.h"
#include "pages/JewishDateEntry.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"

namespace mirvane {

// A page not made yet follows the option when it is made.
void TForm1::HebrewNames1Click()
{
    RunHandler([this] {
        MirvaneGrid1->SetHebrewNames(HebrewNames1->isChecked());
        if (BirthdaysControls.Made()) {
            FollowHebrewNames(*Edit2);
            // Only the Jewish date changes its form: the answer and the
            // month grid stay where they are.
            Edit2->setText(QString::fromStdString(ComputeAnniversaryPage(AnniversaryInput()).JewishDate));
        }
        RefillFestivalNames();
        if (YearDetailsControls.Made()) {
            FollowHebrewNames(*Edit24);
            Edit23Change();
        }
        ShowRememberJewishDates();
    });
}

void TForm1::FollowHebrewNames(QLineEdit& Box) const
{
    Box.setLayoutDirection(HebrewNames1->isChecked() ? Qt::RightToLeft : Qt::LeftToRight);
}

void TForm1::ShowRememberJewishDates()
{
    if (ListView1 == nullptr)
        return;
    FollowHebrewNames(*EditNewJDate);
    // A date in the details is rewritten in the other form; a text that is
    // no date yet is the user's typing and stays.
    if (const std::optional<TJewishDate> Typed = ParseJewishDateEntry(EditNewJDate->text().toStdString())) {
        FollowingDate = true;
        EditNewJDate->setText(JewishBoxText(*Typed));
        FollowingDate = false;
    }
    RefreshRememberList();
}

}  // namespace mirvane
