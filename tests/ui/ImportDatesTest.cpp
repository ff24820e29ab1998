#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>

#include "tests/ui/DueDates.h"
#include "tests/ui/FindControl.h"
#include "tests/ui/FormFixture.h"
#include "ui/ImportDialog.h"
#include "ui/RememberTab.h"

namespace mirvane {
namespace {

class ImportDates : public FormTest {
protected:
    // Imports Fixture and accepts the preview; how many rows it showed.
    int ImportAccepting(TForm1& F, const char* Fixture)
    {
        int Shown = -1;
        QTimer::singleShot(0, [&] {
            auto* Preview = qobject_cast<TImportDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(Preview, nullptr);
            Shown = Preview->AddedList->topLevelItemCount();
            Preview->Buttons->button(QDialogButtonBox::Ok)->click();
        });
        F.ImportDatesFrom(QStringLiteral(MIRVANE_IMPORT_FIXTURES "/") + QString::fromLatin1(Fixture));
        return Shown;
    }
    int Listed(TForm1& F) { return Find<QTreeWidget>(F, "ListView1")->topLevelItemCount(); }

    TemporaryDataHome Data;
};

// File > Import Dates... previews, adds on Ok, adds nothing twice, and
// Undo Import takes back exactly what it added.
TEST_F(ImportDates, PreviewAddsAndUndoTakesBack)
{
    Data.AddOnce("Mine", 3);
    TForm1& F = StartShowing(TForm1::CalendarPage);
    // The calendar kept in step with the list learns of each, as of an edit.
    QSignalSpy Changed(F.findChild<TRememberTab*>(), &TRememberTab::ListChanged);
    EXPECT_FALSE(Find<QAction>(F, "UndoImport1")->isEnabled());
    EXPECT_EQ(ImportAccepting(F, "family-70.ged"), 4);
    EXPECT_EQ(Changed.size(), 1);
    EXPECT_EQ(F.ShownPage(), TForm1::RememberPage);
    EXPECT_EQ(Listed(F), 5);
    EXPECT_TRUE(Find<QAction>(F, "UndoImport1")->isEnabled());
    Find<QAction>(F, "UndoImport1")->trigger();
    EXPECT_EQ(Listed(F), 1);
    EXPECT_EQ(Changed.size(), 2);
    EXPECT_FALSE(Find<QAction>(F, "UndoImport1")->isEnabled());
    EXPECT_TRUE(Captured.Boxes.empty());
}

}  // namespace
}  // namespace mirvane
