// The "Hebrew Names" option: Jewish dates and names in Hebrew letters in the
// grid, the pages' Jewish date boxes and the Festivals page's list.

#include <QAction>
#include <QLineEdit>

#include "grid/MirvaneGrid.h"
#include "pages/AnniversaryPage.h"
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
    });
}

}  // namespace mirvane
