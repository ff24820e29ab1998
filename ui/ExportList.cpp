// "Export List...": a page's dates out of the window, as a calendar file or
// a spreadsheet, through the writers the command line uses.

#include "ui/ExportList.h"

#include <QFileDialog>
#include <QFileInfo>

#include "export/DateListFile.h"
#include "export/ExportFailure.h"
#include "remember/RememberExport.h"
#include "widgets/MessageBox.h"
#include "ui/LibraryMessages.h"
#include "ui/Mirvane.h"
#include "ui/WholeFile.h"

namespace mirvane {
namespace {

QString IcsFilter()
{
    return TForm1::tr("iCalendar (*.ics)");
}

QString CsvFilter()
{
    return TForm1::tr("CSV (*.csv)");
}

}  // namespace

std::string DateListText(const TDateList& List, TExportFormat Format)
{
    return Format == TExportFormat::Ics ? DateListIcsText(List) : DateListCsvText(List);
}

QString NoAnswerToExport()
{
    return TForm1::tr("The page has no answer to export.");
}

std::string ExportListText(const TForm1& Form, int Page, TExportFormat Format, const TExportDetails& Details,
                           QString& Problem)
{
    return Form.Page(Page).ExportText(Format, Details, Problem);
}

bool ExportListTo(TForm1& Form, const QString& Path, TExportFormat Format, const TExportDetails& Details)
{
    QString Problem;
    std::string Text;
    try {
        Text = ExportListText(Form, Form.ShownPage(), Format, Details, Problem);
    } catch (const EExportFailure& Failure) {
        // Such as a date after 9999, which a calendar file cannot hold.
        Problem = TForm1::tr("Cannot export the list: %1.").arg(WindowMessage(Failure.what()));
    }
    if (Problem.isEmpty() && WriteWholeFile(Path, Text, Problem)) {
        return true;
    }
    ShowMessageBox(TBoxKind::Message, Problem);
    return false;
}

void TForm1::ExportList1Click()
{
    TExportDetails Details;
    if (!Page(ShownPage()).AskExportDetails(Details)) {
        return;
    }
    QString Filter = IcsFilter();
    QString Path = QFileDialog::getSaveFileName(this, TForm1::tr("Export List"), QString(),
                                                IcsFilter() + QStringLiteral(";;") + CsvFilter(), &Filter);
    if (Path.isEmpty()) {
        return;
    }
    const TExportFormat Format = Filter == CsvFilter() ? TExportFormat::Csv : TExportFormat::Ics;
    const QString Suffix = Format == TExportFormat::Csv ? QStringLiteral("csv") : QStringLiteral("ics");
    if (QFileInfo(Path).suffix().compare(Suffix, Qt::CaseInsensitive) != 0) {
        Path += QLatin1Char('.') + Suffix;
    }
    ExportListTo(*this, Path, Format, Details);
}

}  // namespace mirvane
