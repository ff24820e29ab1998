// "Export List...": a page's dates out of the window, as a calendar file or
// a spreadsheet, through the writers the command line uses.

#include "ui/ExportList.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

#include "export/DateListFile.h"
#include "export/ExportFailure.h"
#include "remember/RememberExport.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"
#include "ui/WholeFile.h"

namespace mirvane {
namespace {

const QString IcsFilter = QStringLiteral("iCalendar (*.ics)");
const QString CsvFilter = QStringLiteral("CSV (*.csv)");

}  // namespace

std::string DateListText(const TDateList& List, TExportFormat Format)
{
    return Format == TExportFormat::Ics ? DateListIcsText(List) : DateListCsvText(List);
}

QString NoAnswerToExport()
{
    return QStringLiteral("The page has no answer to export.");
}

std::string ExportListText(const TForm1& Form, int Page, TExportFormat Format, int Years, QString& Problem)
{
    return Form.Page(Page).ExportText(Format, Years, Problem);
}

bool ExportListTo(TForm1& Form, const QString& Path, TExportFormat Format, int Years)
{
    QString Problem;
    std::string Text;
    try {
        Text = ExportListText(Form, Form.ShownPage(), Format, Years, Problem);
    } catch (const EExportFailure& Failure) {
        // Such as a date after 9999, which a calendar file cannot hold.
        Problem = QStringLiteral("Cannot export the list: %1.").arg(QString::fromStdString(Failure.what()));
    }
    if (Problem.isEmpty() && WriteWholeFile(Path, Text, Problem)) {
        return true;
    }
    ShowMessageBox(TBoxKind::Message, Problem);
    return false;
}

void TForm1::ExportList1Click()
{
    int Years = DefaultExportYears;
    if (ShownPage() == RememberPage) {
        bool Accepted = false;
        Years = QInputDialog::getInt(this, QStringLiteral("Export List"), QStringLiteral("Number of years:"),
                                     DefaultExportYears, 1, MaxExportYears, 1, &Accepted);
        if (!Accepted) {
            return;
        }
    }
    QString Filter = IcsFilter;
    QString Path = QFileDialog::getSaveFileName(this, QStringLiteral("Export List"), QString(),
                                                IcsFilter + QStringLiteral(";;") + CsvFilter, &Filter);
    if (Path.isEmpty()) {
        return;
    }
    const TExportFormat Format = Filter == CsvFilter ? TExportFormat::Csv : TExportFormat::Ics;
    const QString Suffix = Format == TExportFormat::Csv ? QStringLiteral("csv") : QStringLiteral("ics");
    if (QFileInfo(Path).suffix().compare(Suffix, Qt::CaseInsensitive) != 0) {
        Path += QLatin1Char('.') + Suffix;
    }
    ExportListTo(*this, Path, Format, Years);
}

}  // namespace mirvane
