// "Export List...": a page's dates out of the window, as a calendar file or
// a spreadsheet, through the writers the command line uses.

#include "ui/ExportList.h"

#include <vector>

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QRadioButton>
#include <QTabWidget>

#include "engine/DateServices.h"
#include "export/DateListFile.h"
#include "export/ExportFailure.h"
#include "remember/RememberExport.h"
#include "remember/RememberStore.h"
#include "widgets/MessageBox.h"
#include "ui/WholeFile.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

const QString IcsFilter = QStringLiteral("iCalendar (*.ics)");
const QString CsvFilter = QStringLiteral("CSV (*.csv)");

std::string RememberExportText(const TForm1& Form, TExportFormat Format, int Years, QString& Problem)
{
    std::vector<TRememberEntry> Entries;
    try {
        Entries = ReadRememberEntries(DefaultRememberStorePath());
    } catch (const ERememberStoreError& Error) {
        Problem = QString::fromStdString(Error.what());
        return {};
    }
    const std::vector<TRememberEvent> Events =
        RememberEvents(Entries, DecodeDate(Today()).Year, Years, !Form.Adar11->isChecked());
    return Format == TExportFormat::Ics ? RememberIcsText(Events) : RememberCsvText(Events);
}

// The page's answer and list as the command line gives them for the same
// request; nothing without an answer.
std::string DateListText(const TDateList& List, TExportFormat Format)
{
    return Format == TExportFormat::Ics ? DateListIcsText(List) : DateListCsvText(List);
}

const QString NoAnswer = QStringLiteral("The page has no answer to export.");

}  // namespace

std::string ExportListText(const TForm1& Form, int Page, TExportFormat Format, int Years, QString& Problem)
{
    switch (Page) {
    case TForm1::BirthdaysPage: {
        const TAnniversaryPage Answer = ComputeAnniversaryPage(Form.AnniversaryInput());
        if (!Answer.Answer) {
            Problem = NoAnswer;
            return {};
        }
        // The command line's default name of the event in calendar files.
        return DateListText(AnniversaryDateList("Anniversary", Answer, Form.RadioButton1->isChecked()), Format);
    }
    case TForm1::FestivalsPage: {
        const TFestivalInput Input = Form.FestivalInput();
        const TFestivalPage Answer = ComputeFestivalPage(Input);
        if (!Answer.Answer) {
            Problem = NoAnswer;
            return {};
        }
        return DateListText(FestivalDateList(Input.Name, Answer), Format);
    }
    case TForm1::RememberPage:
        return RememberExportText(Form, Format, Years, Problem);
    default:
        Problem = QStringLiteral("This page has no list to export.");
        return {};
    }
}

bool ExportListTo(TForm1& Form, const QString& Path, TExportFormat Format, int Years)
{
    QString Problem;
    std::string Text;
    try {
        Text = ExportListText(Form, Form.PageControl1->currentIndex(), Format, Years, Problem);
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
    if (PageControl1->currentIndex() == RememberPage) {
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
