// The File menu: the page shown, out of the window, on paper or in a file.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTabWidget>

#include "ui/Mirvane.h"
#include "ui/PrintedPage.h"

namespace mirvane {
namespace {

QAction* AddFileCommand(QMenu& Menu, const char* Name, const char* Caption, const QKeySequence& Shortcut = {})
{
    QAction* Action = &TForm1::Captioned(*Menu.addAction(QString()), Caption);
    Action->setObjectName(QString::fromLatin1(Name));
    Action->setShortcut(Shortcut);
    return Action;
}

}  // namespace

void TForm1::BuildFileMenu()
{
    File1 = MainMenu1->addMenu(QString());
    Captioned(*File1->menuAction(), QT_TR_NOOP("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    ImportDates1 = AddFileCommand(*File1, "ImportDates1", QT_TR_NOOP("&Import Dates..."));
    UndoImport1 = AddFileCommand(*File1, "UndoImport1", QT_TR_NOOP("&Undo Import"));
    UndoImport1->setEnabled(false);
    ExportList1 = AddFileCommand(*File1, "ExportList1", QT_TR_NOOP("&Export List..."));
    Print1 = AddFileCommand(*File1, "Print1", QT_TR_NOOP("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    PrintPreview1 = AddFileCommand(*File1, "PrintPreview1", QT_TR_NOOP("Print Pre&view..."));
    addAction(Print1);
    connect(ImportDates1, &QAction::triggered, this, &TForm1::ImportDates1Click);
    connect(UndoImport1, &QAction::triggered, this, &TForm1::UndoImport1Click);
    connect(ExportList1, &QAction::triggered, this, &TForm1::ExportList1Click);
    connect(Print1, &QAction::triggered, this, &TForm1::Print1Click);
    connect(PrintPreview1, &QAction::triggered, this, &TForm1::PrintPreview1Click);
    connect(File1, &QMenu::aboutToShow, this, &TForm1::UpdateFileMenu);
}

void TForm1::UpdateFileMenu()
{
    const int Shown = PageControl1 == nullptr ? -1 : PageControl1->currentIndex();
    ExportList1->setEnabled(Shown >= 0 && Page(Shown).HasExportList());
    Print1->setEnabled(Shown >= 0);
    PrintPreview1->setEnabled(Shown >= 0);
}

void TForm1::Print1Click()
{
    const int Shown = ShownPage();
    QPrinter Printer(QPrinter::HighResolution);
    // The dialog offers a PDF file under the document's name; the PDF's own
    // title is set when it is printed.
    Printer.setDocName(PrintedFileName(*this, Shown));
    QPrintDialog Dialog(&Printer, this);
    Dialog.setWindowTitle(tr("Print"));
    if (Dialog.exec() == QDialog::Accepted) {
        PrintPage(*this, Shown, Printer);
    }
}

void TForm1::PrintPreview1Click()
{
    const int Shown = ShownPage();
    QPrinter Printer(QPrinter::HighResolution);
    QPrintPreviewDialog Preview(&Printer, this);
    connect(&Preview, &QPrintPreviewDialog::paintRequested, this,
            [this, Shown](QPrinter* Target) { PrintPage(*this, Shown, *Target); });
    Preview.exec();
}

}  // namespace mirvane
