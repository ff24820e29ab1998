// What the Dates to Remember page does: the list from the user's store, the
// details group, and the changes it saves.

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
#include "remember/RememberDetails.h"
#include "settings/RememberSettings.h"
#include "widgets/ErrorReport.h"
#include "widgets/MessageBox.h"
#include "ui/Mirvane.h"
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

// Handlers may be called before the page was first shown.
void TForm1::EnsureRememberPage()
{
    RememberControls.Make();
}

void TForm1::ConnectRememberPage()
{
    const TRememberSettings Settings = TRememberSettings::Load();
    (Settings.SortByDate ? RadioSortDate : RadioSortOccasion)->setChecked(true);
    MakeCheckedRadioTheTabStop({RadioSortOccasion, RadioSortDate});
    CheckBoxRun->setChecked(Settings.CheckOnRun);
    FollowHebrewNames(*EditNewJDate);

    connect(BitBtnNew, &QPushButton::clicked, this, &TForm1::BitBtnNewClick);
    connect(BitBtnOk, &QPushButton::clicked, this, &TForm1::BitBtnOkClick);
    connect(BitBtnModify, &QPushButton::clicked, this, &TForm1::BitBtnModifyClick);
    connect(BitBtnCancel, &QPushButton::clicked, this, &TForm1::BitBtnCancelClick);
    connect(BitBtnDelete, &QPushButton::clicked, this, &TForm1::BitBtnDeleteClick);
    // A double click or Enter on a row loads it, as Modify does.
    connect(ListView1, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
        ListView1->setCurrentItem(Item);
        BitBtnModifyClick();
    });
    auto* DeleteKey = new QShortcut(QKeySequence::Delete, ListView1);
    DeleteKey->setContext(Qt::WidgetShortcut);
    connect(DeleteKey, &QShortcut::activated, this, &TForm1::BitBtnDeleteClick);
    connect(EditNewDate, &QLineEdit::textChanged, this, &TForm1::EditNewDateChange);
    connect(CheckBoxNewSunset, &QCheckBox::toggled, this, &TForm1::EditNewDateChange);
    connect(EditNewJDate, &QLineEdit::textChanged, this, &TForm1::EditNewJDateChange);
    connect(RadioSortOccasion, &QRadioButton::toggled, this, &TForm1::RadioGroup1Click);
    connect(CheckBoxRun, &QCheckBox::toggled, this, &TForm1::CheckBoxRunClick);
    // A click on a heading sorts by it: the name, or the date this year.
    ListView1->header()->setSectionsClickable(true);
    connect(ListView1->header(), &QHeaderView::sectionClicked, this, [this](int Column) {
        (Column == 0 ? RadioSortOccasion : RadioSortDate)->setChecked(true);
    });

    RememberDayTimer = new QTimer(this);
    RememberDayTimer->setInterval(DayCheckMilliseconds);
    connect(RememberDayTimer, &QTimer::timeout, this, [this] {
        if (Today() != RememberDay)
            RefreshRememberList();
    });
    RememberDayTimer->start();

    OpenRememberStore();
    RefreshRememberList();
}

void TForm1::OpenRememberStore()
{
    RememberStore = TRememberStore::Open(DefaultRememberStorePath());
    if (!RememberStore->Notice().empty())
        ShowMessageBox(TBoxKind::Message, QString::fromStdString(RememberStore->Notice()));
}

void TForm1::RefreshRememberList()
{
    if (ListView1 == nullptr || !RememberStore)
        return;
    RunHandler([this] {
        const std::int64_t Selected = SelectedRememberRow() ? SelectedRememberRow()->Id() : 0;
        // The items show the rows in place: they go before the rows do.
        ListView1->clear();
        RememberDay = Today();
        std::vector<TRememberEntry> Entries;
        try {
            Entries = RememberStore->List();
        } catch (const ERememberStoreError& Failure) {
            ShowMessageBox(TBoxKind::Message, QString::fromUtf8(Failure.what()));
        }
        RememberShown = RowsOf(std::move(Entries), RememberDay, !Adar11->isChecked());
        SortRows(RememberShown, RadioSortDate->isChecked() ? TRememberSort::NextDate : TRememberSort::Occasion,
                 LocaleOccasionCompare());
        QList<QTreeWidgetItem*> Items;
        Items.reserve(static_cast<qsizetype>(RememberShown.size()));
        for (const TRememberRow& Row : RememberShown)
            Items.append(new TRememberItem(Row, HebrewNames1->isChecked()));
        ListView1->addTopLevelItems(Items);
        SelectRemembered(Selected);
    });
}

const TRememberItem* TForm1::SelectedRememberRow() const
{
    const QList<QTreeWidgetItem*> Selected = ListView1 ? ListView1->selectedItems() : QList<QTreeWidgetItem*>();
    return Selected.isEmpty() ? nullptr : static_cast<const TRememberItem*>(Selected.front());
}

void TForm1::SelectRemembered(std::int64_t Id)
{
    for (int Index = 0; Index < ListView1->topLevelItemCount(); ++Index) {
        auto* Item = static_cast<TRememberItem*>(ListView1->topLevelItem(Index));
        if (Item->Id() == Id) {
            ListView1->setCurrentItem(Item);
            return;
        }
    }
}

QString TForm1::DateBoxText(TGregorianDate Date) const
{
    switch (CheckedDateOrder()) {
    case MonthDayYear:
        return QStringLiteral("%1/%2/%3").arg(Date.Month).arg(Date.Day).arg(Date.Year);
    case YearMonthDay:
        return QStringLiteral("%1/%2/%3").arg(Date.Year).arg(Date.Month).arg(Date.Day);
    default:
        return QStringLiteral("%1/%2/%3").arg(Date.Day).arg(Date.Month).arg(Date.Year);
    }
}

QString TForm1::JewishBoxText(const TJewishDate& Date) const
{
    return QString::fromStdString(JewishDateTextIn(Date, HebrewNames1->isChecked()));
}

void TForm1::ShowRememberDetails(const TRememberEntry* Entry)
{
    FollowingDate = true;
    EditOccasion->setText(Entry ? QString::fromStdString(Entry->Occasion) : QString());
    CheckBoxNewSunset->setChecked(Entry && Entry->AfterSunset);
    EditNewDate->setText(Entry ? DateBoxText(Entry->Date) : QString());
    EditNewJDate->setText(Entry ? JewishBoxText(Entry->JewishDate) : QString());
    EditWarning->setText(QString::number(Entry ? Entry->DaysBefore : 7));
    ComboBoxWhenRemind->setCurrentIndex(Entry ? static_cast<int>(Entry->Kind) : 0);
    FollowingDate = false;
    RememberEditing = Entry ? Entry->Id : 0;
}

void TForm1::EditNewDateChange()
{
    EnsureRememberPage();
    if (FollowingDate)
        return;
    RunHandler([this] {
        const std::optional<TGregorianDate> Date =
            ReadEventDate(EditNewDate->text().toStdString(), CheckedDateOrder(), LocaleMonthNames, Today());
        const std::optional<TJewishDate> Jewish =
            Date ? EventJewishDate(*Date, CheckBoxNewSunset->isChecked()) : std::nullopt;
        FollowingDate = true;
        EditNewJDate->setText(Jewish ? JewishBoxText(*Jewish) : QString());
        FollowingDate = false;
    });
}

void TForm1::EditNewJDateChange()
{
    EnsureRememberPage();
    if (FollowingDate)
        return;
    RunHandler([this] {
        const std::optional<TJewishDate> Jewish = ParseJewishDateEntry(EditNewJDate->text().toStdString());
        if (!Jewish)
            return;
        // After sunset the Gregorian date is the evening before.
        const TDateTime Date = EventGregorianDate(*Jewish, CheckBoxNewSunset->isChecked());
        FollowingDate = true;
        EditNewDate->setText(DateBoxText(DecodeDate(Date)));
        FollowingDate = false;
    });
}

std::optional<TRememberEntry> TForm1::RememberDetails()
{
    TRememberDetails Read = ReadRememberDetails(
        {EditOccasion->text().toStdString(), EditNewDate->text().toStdString(),
         EditNewJDate->text().trimmed().toStdString(), CheckBoxNewSunset->isChecked(), DaysBefore(EditWarning->text()),
         static_cast<TRememberKind>(std::max(ComboBoxWhenRemind->currentIndex(), 0)), CheckedDateOrder(),
         LocaleMonthNames, Today()});
    if (Read.Entry) {
        Read.Entry->Id = RememberEditing;
        return Read.Entry;
    }
    switch (Read.Refused) {
    case TRememberField::Occasion:
        return Refuse(*EditOccasion, QString::fromStdString(Read.OccasionProblem));
    case TRememberField::Date:
        return Refuse(*EditNewDate, QStringLiteral("The date is not a valid date."));
    case TRememberField::JewishDate:
        return Refuse(*EditNewJDate, QStringLiteral("The Jewish date is not a valid date, such as \"3 Kislev 5731\"."));
    default:
        return Refuse(*EditWarning,
                      QStringLiteral("The number of days before must be a whole number from 0 to 365."));
    }
}

bool TForm1::ChangeRememberStore(const std::function<void(TRememberStore&)>& Change)
{
    if (!RememberStore)
        return false;
    try {
        Change(*RememberStore);
        return true;
    } catch (const ERememberStoreError& Refusal) {
        ShowMessageBox(TBoxKind::Message, QString::fromUtf8(Refusal.what()));
        return false;
    }
}

void TForm1::BitBtnNewClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        ShowRememberDetails(nullptr);
        EditOccasion->setFocus();
    });
}

void TForm1::BitBtnModifyClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        if (const TRememberItem* Selected = SelectedRememberRow()) {
            for (const TRememberRow& Row : RememberShown) {
                if (Row.Entry.Id == Selected->Id())
                    ShowRememberDetails(&Row.Entry);
            }
            EditOccasion->setFocus();
        }
    });
}

void TForm1::BitBtnCancelClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        const TRememberItem* Selected = SelectedRememberRow();
        const TRememberEntry* Entry = nullptr;
        for (const TRememberRow& Row : RememberShown) {
            if (Selected && Row.Entry.Id == Selected->Id())
                Entry = &Row.Entry;
        }
        ShowRememberDetails(Entry);
    });
}

void TForm1::BitBtnOkClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        const std::optional<TRememberEntry> Entry = RememberDetails();
        if (!Entry)
            return;
        std::int64_t Saved = Entry->Id;
        const bool Done = ChangeRememberStore([&](TRememberStore& Store) {
            if (Entry->Id == 0)
                Saved = Store.Add(*Entry);
            else
                Store.Update(*Entry);
        });
        if (!Done)
            return;
        RememberEditing = Saved;
        RefreshRememberList();
        SelectRemembered(Saved);
    });
}

void TForm1::BitBtnDeleteClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        const TRememberItem* Selected = SelectedRememberRow();
        if (!Selected)
            return;
        const std::int64_t Id = Selected->Id();
        const QString Question = QStringLiteral("Delete \"%1\"?").arg(Selected->text(0));
        if (!AskYesNo(Question))
            return;
        if (!ChangeRememberStore([Id](TRememberStore& Store) { Store.Remove(Id); }))
            return;
        if (RememberEditing == Id)
            ShowRememberDetails(nullptr);
        RefreshRememberList();
    });
}

void TForm1::RadioGroup1Click()
{
    EnsureRememberPage();
    RunHandler([this] {
        TRememberSettings Settings = TRememberSettings::Load();
        Settings.SortByDate = RadioSortDate->isChecked();
        Settings.Save();
    });
    RefreshRememberList();
}

void TForm1::CheckBoxRunClick()
{
    EnsureRememberPage();
    RunHandler([this] {
        TRememberSettings Settings = TRememberSettings::Load();
        Settings.CheckOnRun = CheckBoxRun->isChecked();
        Settings.Save();
    });
}

void TForm1::changeEvent(QEvent* Event)
{
    QMainWindow::changeEvent(Event);
    // The command line may have changed the list while another window was
    // in front.
    if (Event->type() == QEvent::ActivationChange && isActiveWindow())
        RefreshRememberList();
}

}  // namespace mirvane
