#include "ui/ImportDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "engine/Anniversary.h"
#include "import/CsvImport.h"
#include "ui/LibraryMessages.h"

namespace mirvane {
namespace {

QTreeWidget* MakeList(QWidget& Parent, const char* Name, const QStringList& Headings)
{
    auto* List = new QTreeWidget(&Parent);
    List->setObjectName(QString::fromLatin1(Name));
    List->setRootIsDecorated(false);
    List->setHeaderLabels(Headings);
    List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return List;
}

QComboBox* MakeBox(QWidget& Parent, const char* Name, const QString& Accessible)
{
    auto* Box = new QComboBox(&Parent);
    Box->setObjectName(QString::fromLatin1(Name));
    Box->setAccessibleName(Accessible);
    return Box;
}

QString WhatText(TOccasionWhat What)
{
    switch (What) {
    case TOccasionWhat::Yahrzeit:
        return TImportDialog::tr("Yahrzeit");
    case TOccasionWhat::Birthday:
        return TImportDialog::tr("Birthday");
    case TOccasionWhat::Anniversary:
        return TImportDialog::tr("Anniversary");
    case TOccasionWhat::Other:
        break;
    }
    return TImportDialog::tr("Other");
}

QString RecursText(TRememberKind Kind)
{
    switch (Kind) {
    case TRememberKind::Gregorian:
        return TImportDialog::tr("every year on the Gregorian date");
    case TRememberKind::Once:
        return TImportDialog::tr("this year and date only");
    case TRememberKind::Jewish:
        break;
    }
    return TImportDialog::tr("every year on the Jewish date");
}

}  // namespace

TImportDialog::TImportDialog(std::string FileText, std::vector<TRememberEntry> Entries, TDateOrder Order,
                             QWidget* Parent)
    : QDialog(Parent), Text(std::move(FileText)), Existing(std::move(Entries))
{
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Import Dates"));
    auto* Layout = new QVBoxLayout(this);
    Summary = new QLabel(this);
    Summary->setObjectName(QStringLiteral("ImportSummary"));
    Summary->setWordWrap(true);
    Layout->addWidget(Summary);
    TableChoices = new QWidget(this);
    Layout->addWidget(TableChoices);
    Layout->addWidget(new QLabel(tr("To be added:"), this));
    AddedList = MakeList(*this, "ImportAdded", {tr("Occasion"), tr("Kind"), tr("Date"), tr("Jewish date"),
                                                tr("Recurs")});
    AddedList->setAccessibleName(tr("Dates to be added"));
    Layout->addWidget(AddedList);
    Layout->addWidget(new QLabel(tr("Skipped:"), this));
    SkippedList = MakeList(*this, "ImportSkipped", {tr("Occasion"), tr("Where"), tr("Why")});
    SkippedList->setAccessibleName(tr("Dates skipped"));
    Layout->addWidget(SkippedList);
    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(720, 480);

    Choices.Order = Order;
    const std::vector<std::string> Header = CsvHeader(Text);
    if (DetectImportFormat(Text) == TImportFormat::Csv && !IsCalendarCsvLayout(Header))
        BuildTableChoices(Header);
    else
        TableChoices->hide();
    if (DetectImportFormat(Text) == TImportFormat::Csv && IsCalendarCsvLayout(Header))
        Choices.Order.reset();
    Replan();
}

void TImportDialog::BuildTableChoices(const std::vector<std::string>& Header)
{
    auto* Form = new QFormLayout(TableChoices);
    NameColumnBox = MakeBox(*TableChoices, "ImportNameColumn", tr("Name column"));
    DateColumnBox = MakeBox(*TableChoices, "ImportDateColumn", tr("Date column"));
    for (const std::string& Name : Header) {
        NameColumnBox->addItem(QString::fromStdString(Name));
        DateColumnBox->addItem(QString::fromStdString(Name));
    }
    const TCsvChoice Guess = GuessCsvColumns(Header);
    NameColumnBox->setCurrentIndex(static_cast<int>(Guess.NameColumn.value_or(0)));
    DateColumnBox->setCurrentIndex(static_cast<int>(Guess.DateColumn.value_or(Header.size() > 1 ? 1 : 0)));
    OrderBox = MakeBox(*TableChoices, "ImportOrder", tr("Date order"));
    OrderBox->addItem(tr("Month/Day/Year"), MonthDayYear);
    OrderBox->addItem(tr("Day/Month/Year"), DayMonthYear);
    OrderBox->addItem(tr("Year/Month/Day"), YearMonthDay);
    OrderBox->setCurrentIndex(OrderBox->findData(Choices.Order.value_or(DayMonthYear)));
    CalendarBox = MakeBox(*TableChoices, "ImportCalendar", tr("Dates are"));
    CalendarBox->addItem(tr("Gregorian"));
    CalendarBox->addItem(tr("Jewish"));
    Form->addRow(tr("&Name column:"), NameColumnBox);
    Form->addRow(tr("Date &column:"), DateColumnBox);
    Form->addRow(tr("Date &order:"), OrderBox);
    Form->addRow(tr("Dates &are:"), CalendarBox);
    for (QComboBox* Box : {NameColumnBox, DateColumnBox, OrderBox, CalendarBox})
        connect(Box, &QComboBox::currentIndexChanged, this, &TImportDialog::Replan);
}

void TImportDialog::Replan()
{
    if (NameColumnBox) {
        Choices.Csv.NameColumn = static_cast<std::size_t>(std::max(0, NameColumnBox->currentIndex()));
        Choices.Csv.DateColumn = static_cast<std::size_t>(std::max(0, DateColumnBox->currentIndex()));
        Choices.Order = static_cast<TDateOrder>(OrderBox->currentData().toInt());
        Choices.Csv.JewishDates = CalendarBox->currentIndex() == 1;
    }
    Current = PlanImport(Text, Choices, Existing);
    AddedList->clear();
    SkippedList->clear();
    for (const TImportCandidate& Candidate : Current.Added) {
        const TRememberEntry& Entry = Candidate.Entry;
        new QTreeWidgetItem(AddedList,
                            {QString::fromStdString(Entry.Occasion), WhatText(Candidate.Entry.What),
                             QStringLiteral("%1-%2-%3")
                                 .arg(Entry.Date.Year, 4, 10, QLatin1Char('0'))
                                 .arg(Entry.Date.Month, 2, 10, QLatin1Char('0'))
                                 .arg(Entry.Date.Day, 2, 10, QLatin1Char('0')),
                             QString::fromStdString(JewishDateText(Entry.JewishDate.Year, Entry.JewishDate.Month,
                                                                   Entry.JewishDate.Day)),
                             RecursText(Entry.Kind)});
    }
    for (const TImportSkip& Skip : Current.Skipped)
        new QTreeWidgetItem(SkippedList, {QString::fromStdString(Skip.Occasion), QString::fromStdString(Skip.Place),
                                          WindowMessage(Skip.Reason)});
    if (!Current.Failure.empty())
        Summary->setText(WindowMessage(Current.Failure));
    else
        Summary->setText(tr("%n date(s) will be added, ", nullptr, static_cast<int>(Current.Added.size())) +
                         tr("%n skipped.", nullptr, static_cast<int>(Current.Skipped.size())));
    Summary->setAccessibleName(Summary->text());
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(!Current.Added.empty());
}

}  // namespace mirvane
