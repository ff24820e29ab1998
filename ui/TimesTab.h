#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QString>

#include "engine/DateServices.h"
#include "grid/DayTextCache.h"
#include "settings/LocationSettings.h"
#include "times/DayTimes.h"
#include "ui/WindowPage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace mirvane {

// The heights a table's rows were given for the texts of one column at one
// width, the texts first.
struct TFittedRows {
    QString Texts;
    std::vector<int> Heights;
};

// One time of the month sheet: the day, the time with its caption, and the
// week's portion or the festival it begins or ends.
struct TSheetRow {
    QString Date;
    QString Time;
    QString Occasion;
};

// The Times page: the user's place with a button to choose it, a typed
// date (today at first), the day's times in a table, and the month's candle
// lighting, havdalah and fast times with the portion or festival of each.
// Without a place it invites the user to choose one. The zone database is
// opened when the page is made, not before.
class TTimesTab : public TWindowPage {
    Q_OBJECT

public:
    TTimesTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    QString Title() const override;
    // The month sheet: the place, the month and a table of its times.
    QString PrintedHtml() const override;
    bool HasExportList() const override { return true; }
    // The month's times at the place, as `mirvane-cli times FIRST LAST`
    // writes them; it asks for no details.
    std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const override;
    // Without a place, the place first: there is nothing to name a file for.
    bool AskExportDetails(TExportDetails& Details) override;
    // "Jerusalem, December 2026".
    QString PrintedQuestion() const override;

    // The place chosen, or none; a made page shows it at once.
    void SetLocation(const std::optional<TLocation>& Location);

signals:
    // The button next to the place's name was clicked.
    void LocationWanted();

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions() override;
    // Reads the date box and shows its day and month; a date not complete
    // empties the tables.
    void DateChanged();
    // What the user is told on leaving a date box that holds no date.
    QString NoDateText() const;
    void ShowAll();
    void ShowDay();
    void ShowMonth();
    // The festival or portion text of a day, trimmed; in Hebrew under the
    // option.
    QString OccasionOf(TDateTime Day) const;
    QString EveningOf(const QString& Occasion) const;

    // Made with the page.
    QLabel* PlaceLabel = nullptr;
    QLabel* DateLabel = nullptr;
    TPageControl<QLabel> PlaceName{Controls};
    TPageControl<QPushButton> ChooseButton{Controls};
    // The minutes of candle lighting the times are worked out by.
    TPageControl<QLabel> RulesLine{Controls};
    TPageControl<QLineEdit> DateBox{Controls};
    TPageControl<QLabel> DayDescriptionLabel{Controls};
    TPageControl<QLabel> Invitation{Controls};
    // Why times of the day are absent, where they are.
    TPageControl<QLabel> AbsentNote{Controls};
    TPageControl<QTableWidget> DayTable{Controls};
    TPageControl<QLabel> MonthTitle{Controls};
    TPageControl<QTableWidget> MonthTable{Controls};

    std::optional<TLocation> Location;
    // The place as computed, once the page is made.
    std::optional<TTimesSite> Site;
    QString SiteProblem;
    std::optional<TDateTime> Day;
    // The month the sheet shows (its first day), so a new day of the same
    // month leaves it alone.
    std::optional<TDateTime> SheetMonth;
    std::vector<TSheetRow> Sheet;
    // The texts the tables' columns were last sized for.
    QString DayColumnsFitted;
    QString MonthColumnsFitted;
    // And the texts and width the month's rows were last given heights for.
    TFittedRows MonthRowsFitted;
    mutable TDayTextCache Texts;
};

}  // namespace mirvane
