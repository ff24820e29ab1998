// File > Import Dates... and Undo Import: a list brought in from a calendar
// file, a CSV table or a GEDCOM family tree into the dates to remember.

#include <QAction>
#include <QFileDialog>

#include "import/ImportPlan.h"
#include "ui/ImportDialog.h"
#include "ui/LibraryMessages.h"
#include "ui/Mirvane.h"
#include "ui/RememberTab.h"
#include "widgets/MessageBox.h"

namespace mirvane {

void TForm1::ImportDates1Click()
{
    const QString Path = QFileDialog::getOpenFileName(
        this, tr("Import Dates"), QString(),
        tr("Lists of dates (*.ics *.csv *.ged *.txt);;All files (*)"));
    if (!Path.isEmpty())
        ImportDatesFrom(Path);
}

void TForm1::ImportDatesFrom(const QString& Path)
{
    std::string Failure;
    const std::string Text = ReadImportFile(Path.toStdString(), Failure);
    if (!Failure.empty()) {
        ShowMessageBox(TBoxKind::Message, WindowMessage(Failure));
        return;
    }
    ShowPage(RememberPage);
    TImportDialog Preview(Text, Remember->StoredEntries(), Choices.Order(), this);
    if (!Preview.Plan().Failure.empty()) {
        ShowMessageBox(TBoxKind::Message, WindowMessage(Preview.Plan().Failure));
        return;
    }
    if (Preview.exec() != QDialog::Accepted)
        return;
    std::vector<TRememberEntry> Entries;
    for (const TImportCandidate& Candidate : Preview.Plan().Added)
        Entries.push_back(Candidate.Entry);
    LastImport = Remember->AddEntries(Entries);
    UndoImport1->setEnabled(!LastImport.empty());
}

void TForm1::UndoImport1Click()
{
    ShowPage(RememberPage);
    Remember->RemoveEntries(LastImport);
    LastImport.clear();
    UndoImport1->setEnabled(false);
}

}  // namespace mirvane
