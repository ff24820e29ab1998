#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "remember/RememberSort.h"
#include "ui/DateCustomsDialog.h"
#include "remember/RememberStore.h"
#include "ui/WindowPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class QTreeWidget;

namespace mirvane {

class TRememberItem;

// The Dates to Remember page: the user's list from its store, the details
// of one entry, and the reminders' two ticks. Its store is opened, and its
// list filled, when the page is first shown. Its controls keep their form
// names as object names.
class TRememberTab : public TWindowPage {
    Q_OBJECT

public:
    TRememberTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);
    ~TRememberTab() override;
    TRememberTab(const TRememberTab&) = delete;
    TRememberTab& operator=(const TRememberTab&) = delete;

    QString Title() const override;
    QString PrintedHtml() const override;
    bool HasExportList() const override { return true; }
    std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const override;
    bool AskExportDetails(TExportDetails& Details) override;

    // Reads the store again and recomputes every date this year: when the
    // window is activated, the day changes or the Stam Adar choice changes.
    // Nothing before the page is made.
    void RefreshList();
    // "Run Mirvane": the box once the page is made, the stored tick before.
    bool CheckOnRun() const;

    // For File > Import Dates... once the page is made: the list as stored,
    // the imported entries added in one change (their ids; none, after a
    // message, when refused), and those of them still there removed again.
    std::vector<TRememberEntry> StoredEntries();
    std::vector<std::int64_t> AddEntries(const std::vector<TRememberEntry>& Entries);
    std::size_t RemoveEntries(const std::vector<std::int64_t>& Ids);

signals:
    // An entry was added, changed or removed here.
    void ListChanged();

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions() override;
    void Connect();
    // "Turn on the computer" shows whether the log-in entry exists, read
    // again whenever the window is activated; ticking writes or removes it.
    void ConnectAutostartBox();
    void OpenStore();

    void NewClick();
    void OkClick();
    void ModifyClick();
    void CancelClick();
    void DeleteClick();
    // The Jewish date follows the date box; a Jewish date typed instead
    // sets the date box.
    void DateChange();
    // "Customs...": the customs of the date in the details, kept until Ok.
    void CustomsClick();
    void JewishDateChange();
    void SortChange();
    void CheckOnRunChange();

    // A Jewish date as the boxes show it, in Hebrew under the Hebrew Names
    // option.
    QString JewishBoxText(const TJewishDate& Date) const;
    // A Jewish date in Hebrew letters reads from the right edge of its box.
    void FollowHebrewNames();
    // The Jewish dates in the form the Hebrew Names option asks for.
    void ShowJewishDates();
    // The details group filled from Entry, or emptied for none.
    void ShowDetails(const TRememberEntry* Entry);
    // The entry the details describe; nothing, after a message box naming
    // the field and with the focus in it, when one of them is invalid.
    std::optional<TRememberEntry> Details();
    const TRememberItem* SelectedRow() const;
    void Select(std::int64_t Id);
    // A change of the store (a reading, without Changes); a refusal is
    // shown and nothing changes.
    bool ChangeStore(const std::function<void(TRememberStore&)>& Change, bool Changes = true);

    TPageControl<QTreeWidget> List{Controls};
    TPageControl<QPushButton> NewButton{Controls};
    TPageControl<QPushButton> DeleteButton{Controls};
    TPageControl<QPushButton> ModifyButton{Controls};
    TPageControl<QGroupBox> SortGroup{Controls};
    TPageControl<QRadioButton> SortByOccasion{Controls};
    TPageControl<QRadioButton> SortByDate{Controls};
    TPageControl<QGroupBox> DetailsGroup{Controls};
    TPageControl<QLabel> OccasionLabel{Controls};
    TPageControl<QLineEdit> OccasionName{Controls};
    TPageControl<QLabel> DateLabel{Controls};
    TPageControl<QLineEdit> OccasionDate{Controls};
    TPageControl<QLabel> JewishDateLabel{Controls};
    TPageControl<QLineEdit> OccasionJewishDate{Controls};
    TPageControl<QCheckBox> AfterSunset{Controls};
    TPageControl<QLabel> RemindLabel{Controls};
    TPageControl<QLineEdit> ReminderDays{Controls};
    TPageControl<QLabel> DaysBeforeLabel{Controls};
    TPageControl<QComboBox> Recurrence{Controls};
    TPageControl<QLabel> WhatLabel{Controls};
    TPageControl<QComboBox> What{Controls};
    TPageControl<QPushButton> CustomsButton{Controls};
    TPageControl<QPushButton> CancelButton{Controls};
    TPageControl<QPushButton> OkButton{Controls};
    TPageControl<QLabel> CheckLabel{Controls};
    TPageControl<QCheckBox> StartWithComputer{Controls};
    TPageControl<QCheckBox> RunMirvane{Controls};

    std::optional<TRememberStore> Store;
    std::vector<TRememberRow> Shown;  // the rows of the list, in the order shown
    std::int64_t Editing = 0;         // the id in the details; 0 for a new entry
    TCustomsChoice Customs;           // the details' customs and date of burial
    TDateTime Day = 0;                // the day the dates this year were computed for
    bool FollowingDate = false;       // one of the two date boxes is writing the other
    QTimer* DayTimer = nullptr;
};

}  // namespace mirvane
