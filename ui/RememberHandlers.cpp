// What the Dates to Remember page does: the list from the user's store, the
// details group, and the changes it saves.

#include <algorithm>
#include <memory>

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QTreeWidget>

#include "engine/HebrewDateText.h"
#include "engine/Anniversary.h"
#include "engine/DateConversion.h"
#include "pages/AnniversaryPage.h"
#include "pages/JewishDateEntry.h"
#include "pages/OccasionDateRefusal.h"
#include "remember/RememberDetails.h"
#include "settings/RememberSettings.h"
#include "widgets/EnterPresses.h"
#include "widgets/ErrorReport.h"
#include "widgets/MessageBox.h"
#include "ui/LibraryMessages.h"
#include "ui/RememberTab.h"
#include "widgets/RadioTabStop.h"
#include "ui/RememberItem.h"

namespace mirvane {
namespace {

constexpr int DayCheckMilliseconds = 60 * 1000;

// A whole number 0 to 365 written with digits only.
std::optional<std::int32_t> DaysBefore(const QString& Text)
{
    const QString Trimmed = Text.trimmed();
    if (Trimmed.isEmpty() || Trimmed.size() > 3)
        return std::nullopt;
    for (const QChar Character : Trimmed) {
        if (Character < u'0' || Character > u'9')
            return std::nullopt;
    }
    const int Days = Trimmed.toInt();
    return Days <= MaxDaysBefore ? std::optional<std::int32_t>(Days) : std::nullopt;
}

// The locale's collation, case-insensitive with numbers in numeric order.
// Where the locale's collation cannot order numbers (the C locale), the
// program's own order stands in, which does.
TOccasionCompare LocaleOccasionCompare()
{
    auto Collator = std::make_shared<QCollator>();
    Collator->setCaseSensitivity(Qt::CaseInsensitive);
    Collator->setNumericMode(true);
    if (Collator->compare(QStringLiteral("a 9"), QStringLiteral("A 10")) >= 0)
        return CompareOccasions;
    return [Collator](std::string_view A, std::string_view B) {
        const int Order = Collator->compare(QString::fromUtf8(A.data(), static_cast<qsizetype>(A.size())),
                                            QString::fromUtf8(B.data(), static_cast<qsizetype>(B.size())));
        return Order != 0 ? Order : CompareOccasions(A, B);
    };
}

// Refuses the details: the message names the field, which takes the focus.
std::nullopt_t Refuse(QWidget& Field, const QString& Message)
{
    ShowMessageBox(TBoxKind::Message, Message);
    Field.setFocus();
    return std::nullopt;
}

}  // namespace

void TRememberTab::Connect()
{
    const TRememberSettings Settings = TRememberSettings::Load();
    (Settings.SortByDate ? SortByDate : SortByOccasion)->setChecked(true);
    MakeCheckedRadioTheTabStop({SortByOccasion, SortByDate});
    RunMirvane->setChecked(Settings.CheckOnRun);
    FollowHebrewNames();

    connect(NewButton, &QPushButton::clicked, this, &TRememberTab::NewClick);
    connect(OkButton, &QPushButton::clicked, this, &TRememberTab::OkClick);
    connect(ModifyButton, &QPushButton::clicked, this, &TRememberTab::ModifyClick);
    connect(CancelButton, &QPushButton::clicked, this, &TRememberTab::CancelClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TRememberTab::DeleteClick);
    connect(CustomsButton, &QPushButton::clicked, this, &TRememberTab::CustomsClick);
    EnterInGroupPresses(*DetailsGroup, *OkButton);
    // A double click or Enter on a row loads it, as Modify does.
    connect(List, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
        List->setCurrentItem(Item);
        ModifyClick();
    });
    auto* DeleteKey = new QShortcut(QKeySequence::Delete, List.get());
    DeleteKey->setContext(Qt::WidgetShortcut);
    connect(DeleteKey, &QShortcut::activated, this, &TRememberTab::DeleteClick);
    connect(OccasionDate, &QLineEdit::textChanged, this, &TRememberTab::DateChange);
    connect(AfterSunset, &QCheckBox::toggled, this, &TRememberTab::DateChange);
    connect(OccasionJewishDate, &QLineEdit::textChanged, this, &TRememberTab::JewishDateChange);
    connect(SortByOccasion, &QRadioButton::toggled, this, &TRememberTab::SortChange);
    connect(RunMirvane, &QCheckBox::toggled, this, &TRememberTab::CheckOnRunChange);
    // A click on a heading sorts by it: the name, or the date this year.
    List->header()->setSectionsClickable(true);
    connect(List->header(), &QHeaderView::sectionClicked, this, [this](int Column) {
        (Column == 0 ? SortByOccasion : SortByDate)->setChecked(true);
    });

    DayTimer = new QTimer(this);
    DayTimer->setInterval(DayCheckMilliseconds);
    connect(DayTimer, &QTimer::timeout, this, [this] {
        if (Today() != Day)
            RefreshList();
    });
    DayTimer->start();

    OpenStore();
    RefreshList();
}

void TRememberTab::OpenStore()
{
    Store = TRememberStore::Open(DefaultRememberStorePath());
    if (!Store->Notice().empty())
        ShowMessageBox(TBoxKind::Message, WindowMessage(Store->Notice()));
}

void TRememberTab::RefreshList()
{
    if (!Made() || !Store)
        return;
    RunHandler([this] {
        const std::int64_t Selected = SelectedRow() ? SelectedRow()->Id() : 0;
        // The items show the rows in place: they go before the rows do.
        List->clear();
        Day = Today();
        std::vector<TRememberEntry> Entries;
        try {
            Entries = Store->List();
        } catch (const ERememberStoreError& Failure) {
            ShowMessageBox(TBoxKind::Message, WindowMessage(Failure.what()));
        }
        Shown = RowsOf(std::move(Entries), Day, !Choices().PlainAdarIsAdar1);
        SortRows(Shown, SortByDate->isChecked() ? TRememberSort::NextDate : TRememberSort::Occasion,
                 LocaleOccasionCompare());
        QList<QTreeWidgetItem*> Items;
        Items.reserve(static_cast<qsizetype>(Shown.size()));
        for (const TRememberRow& Row : Shown)
            Items.append(new TRememberItem(Row, Choices().HebrewNames));
        List->addTopLevelItems(Items);
        Select(Selected);
    });
}

const TRememberItem* TRememberTab::SelectedRow() const
{
    const QList<QTreeWidgetItem*> Selected = List->selectedItems();
    return Selected.isEmpty() ? nullptr : static_cast<const TRememberItem*>(Selected.front());
}

void TRememberTab::Select(std::int64_t Id)
{
    for (int Index = 0; Index < List->topLevelItemCount(); ++Index) {
        auto* Item = static_cast<TRememberItem*>(List->topLevelItem(Index));
        if (Item->Id() == Id) {
            List->setCurrentItem(Item);
            return;
        }
    }
}

QString TRememberTab::JewishBoxText(const TJewishDate& Date) const
{
    return QString::fromStdString(JewishDateTextIn(Date, Choices().HebrewNames));
}

void TRememberTab::ShowDetails(const TRememberEntry* Entry)
{
    FollowingDate = true;
    OccasionName->setText(Entry ? QString::fromStdString(Entry->Occasion) : QString());
    AfterSunset->setChecked(Entry && Entry->AfterSunset);
    OccasionDate->setText(Entry ? DateBoxText(Entry->Date, Choices().Order()) : QString());
    OccasionJewishDate->setText(Entry ? JewishBoxText(Entry->JewishDate) : QString());
    ReminderDays->setText(QString::number(Entry ? Entry->DaysBefore : 7));
    Recurrence->setCurrentIndex(Entry ? static_cast<int>(Entry->Kind) : 0);
    What->setCurrentIndex(Entry ? static_cast<int>(Entry->What) : 0);
    Customs = Entry ? TCustomsChoice{Entry->Adar, Entry->ShortMonth, Entry->Adar1Thirty,
                                     Entry->Burial ? DateBoxText(*Entry->Burial, Choices().Order()) : QString()}
                    : TCustomsChoice{};
    FollowingDate = false;
    Editing = Entry ? Entry->Id : 0;
}

void TRememberTab::CustomsClick()
{
    RunHandler([this] {
        TDateCustomsDialog Dialog(Customs, this);
        if (Dialog.exec() == QDialog::Accepted)
            Customs = Dialog.Chosen();
    });
}

void TRememberTab::DateChange()
{
    if (FollowingDate)
        return;
    RunHandler([this] {
        const std::optional<TGregorianDate> Date =
            ReadEventDate(OccasionDate->text().toStdString(), Choices().Order(), Start.MonthNames, Today());
        const std::optional<TJewishDate> Jewish =
            Date ? EventJewishDate(*Date, AfterSunset->isChecked()) : std::nullopt;
        FollowingDate = true;
        OccasionJewishDate->setText(Jewish ? JewishBoxText(*Jewish) : QString());
        FollowingDate = false;
    });
}

void TRememberTab::JewishDateChange()
{
    if (FollowingDate)
        return;
    RunHandler([this] {
        const std::optional<TJewishDate> Jewish = ParseJewishDateEntry(OccasionJewishDate->text().toStdString());
        if (!Jewish)
            return;
        // After sunset the Gregorian date is the evening before.
        const TDateTime Date = EventGregorianDate(*Jewish, AfterSunset->isChecked());
        FollowingDate = true;
        OccasionDate->setText(DateBoxText(DecodeDate(Date), Choices().Order()));
        FollowingDate = false;
    });
}

std::optional<TRememberEntry> TRememberTab::Details()
{
    const QString JewishText = OccasionJewishDate->text().trimmed();
    TRememberDetails Read = ReadRememberDetails(
        {OccasionName->text().toStdString(), OccasionDate->text().toStdString(), JewishText.toStdString(),
         AfterSunset->isChecked(), DaysBefore(ReminderDays->text()),
         static_cast<TRememberKind>(std::max(Recurrence->currentIndex(), 0)), Choices().Order(), Start.MonthNames,
         Today(), static_cast<TOccasionWhat>(std::max(What->currentIndex(), 0)), Customs.Adar, Customs.ShortMonth,
         Customs.Adar1Thirty, Customs.BurialText.toStdString()});
    if (Read.Entry) {
        Read.Entry->Id = Editing;
        return Read.Entry;
    }
    switch (Read.Refused) {
    case TRememberField::Occasion:
        return Refuse(*OccasionName, WindowMessage(Read.OccasionProblem));
    case TRememberField::Date:
    case TRememberField::JewishDate:
        // The box to blame, and why: a Jewish date that names no day says so.
        if (const std::optional<TDateRefusal> Refusal =
                OccasionDateRefusal(OccasionDate->text().toStdString(), Read.Refused == TRememberField::JewishDate,
                                    JewishText.toStdString()))
            return Refuse(Refusal->Box == TDateBox::Jewish ? *OccasionJewishDate : *OccasionDate,
                          WindowMessage(Refusal->Message));
        return Refuse(*OccasionDate, tr("The date is not a valid date."));
    case TRememberField::Burial:
        return Refuse(*CustomsButton, tr("The date of burial is not a valid date on or after the date."));
    default:
        return Refuse(*ReminderDays, tr("The number of days before must be a whole number from 0 to 365."));
    }
}

bool TRememberTab::ChangeStore(const std::function<void(TRememberStore&)>& Change, bool Changes)
{
    if (!Store)
        return false;
    try {
        Change(*Store);
        // Only a change is news to the calendar kept in step with the list.
        if (Changes)
            emit ListChanged();
        return true;
    } catch (const ERememberStoreError& Refusal) {
        ShowMessageBox(TBoxKind::Message, WindowMessage(Refusal.what()));
        return false;
    }
}

std::vector<TRememberEntry> TRememberTab::StoredEntries()
{
    std::vector<TRememberEntry> Entries;
    ChangeStore([&](TRememberStore& Opened) { Entries = Opened.List(); }, false);
    return Entries;
}

std::vector<std::int64_t> TRememberTab::AddEntries(const std::vector<TRememberEntry>& Entries)
{
    std::vector<std::int64_t> Ids;
    ChangeStore([&](TRememberStore& Opened) { Ids = Opened.AddAll(Entries); });
    RefreshList();
    return Ids;
}

std::size_t TRememberTab::RemoveEntries(const std::vector<std::int64_t>& Ids)
{
    std::size_t Removed = 0;
    ChangeStore([&](TRememberStore& Opened) { Removed = Opened.RemoveAll(Ids); });
    RefreshList();
    return Removed;
}

void TRememberTab::NewClick()
{
    RunHandler([this] {
        ShowDetails(nullptr);
        OccasionName->setFocus();
    });
}

void TRememberTab::ModifyClick()
{
    RunHandler([this] {
        if (const TRememberItem* Selected = SelectedRow()) {
            for (const TRememberRow& Row : Shown) {
                if (Row.Entry.Id == Selected->Id())
                    ShowDetails(&Row.Entry);
            }
            OccasionName->setFocus();
        }
    });
}

void TRememberTab::CancelClick()
{
    RunHandler([this] {
        const TRememberItem* Selected = SelectedRow();
        const TRememberEntry* Entry = nullptr;
        for (const TRememberRow& Row : Shown) {
            if (Selected && Row.Entry.Id == Selected->Id())
                Entry = &Row.Entry;
        }
        ShowDetails(Entry);
    });
}

void TRememberTab::OkClick()
{
    RunHandler([this] {
        const std::optional<TRememberEntry> Entry = Details();
        if (!Entry)
            return;
        std::int64_t Saved = Entry->Id;
        const bool Done = ChangeStore([&](TRememberStore& Store) {
            if (Entry->Id == 0)
                Saved = Store.Add(*Entry);
            else
                Store.Update(*Entry);
        });
        if (!Done)
            return;
        Editing = Saved;
        RefreshList();
        Select(Saved);
    });
}

void TRememberTab::DeleteClick()
{
    RunHandler([this] {
        const TRememberItem* Selected = SelectedRow();
        if (!Selected)
            return;
        const std::int64_t Id = Selected->Id();
        const int Row = List->indexOfTopLevelItem(List->selectedItems().front());
        const QString Question = tr("Delete \"%1\"?").arg(Selected->text(0));
        if (!AskYesNo(Question))
            return;
        if (!ChangeStore([Id](TRememberStore& Store) { Store.Remove(Id); }))
            return;
        if (Editing == Id)
            ShowDetails(nullptr);
        RefreshList();
        // The row that took its place, or the new last one.
        if (const int Count = List->topLevelItemCount(); Count > 0)
            List->setCurrentItem(List->topLevelItem(std::min(Row, Count - 1)));
    });
}

void TRememberTab::SortChange()
{
    RunHandler([this] {
        TRememberSettings Settings = TRememberSettings::Load();
        Settings.SortByDate = SortByDate->isChecked();
        Settings.Save();
    });
    RefreshList();
}

void TRememberTab::CheckOnRunChange()
{
    RunHandler([this] {
        TRememberSettings Settings = TRememberSettings::Load();
        Settings.CheckOnRun = RunMirvane->isChecked();
        Settings.Save();
    });
}

void TRememberTab::ChoicesChanged(const TChoices& Old)
{
    if (Old.HebrewNames != Choices().HebrewNames) {
        ShowJewishDates();
    } else if (Old.PlainAdarIsAdar1 != Choices().PlainAdarIsAdar1) {
        // The dates this year follow the Stam Adar choice at once.
        RefreshList();
    }
}

void TRememberTab::FollowHebrewNames()
{
    OccasionJewishDate->setLayoutDirection(Choices().HebrewNames ? Qt::RightToLeft : Qt::LeftToRight);
}

void TRememberTab::ShowJewishDates()
{
    FollowHebrewNames();
    // A date in the details is rewritten in the other form; a text that is
    // no date yet is the user's typing and stays.
    if (const std::optional<TJewishDate> Typed = ParseJewishDateEntry(OccasionJewishDate->text().toStdString())) {
        FollowingDate = true;
        OccasionJewishDate->setText(JewishBoxText(*Typed));
        FollowingDate = false;
    }
    RefreshList();
}

bool TRememberTab::CheckOnRun() const
{
    return Made() ? RunMirvane->isChecked() : TRememberSettings::Load().CheckOnRun;
}

}  // namespace mirvane
