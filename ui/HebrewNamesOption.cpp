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

void TForm1::HebrewNames1Click()
{
    RunHandler([this] {
        const bool On = HebrewNames1->isChecked();
        MirvaneGrid1->SetHebrewNames(On);
        // A Hebrew date reads from the right edge of its box.
        for (QLineEdit* Box : {Edit2, Edit24})
            Box->setLayoutDirection(On ? Qt::RightToLeft : Qt::LeftToRight);
        RefillFestivalNames();
        // Only the Jewish date changes its form: the answer and the month
        // grid stay where they are.
        Edit2->setText(QString::fromStdString(ComputeAnniversaryPage(AnniversaryInput()).JewishDate));
        Edit23Change();
        ShowRememberJewishDates();
    });
}

void TForm1::ShowRememberJewishDates()
{
    if (ListView1 == nullptr)
        return;
    EditNewJDate->setLayoutDirection(HebrewNames1->isChecked() ? Qt::RightToLeft : Qt::LeftToRight);
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
