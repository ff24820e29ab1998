#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "engine/DateServices.h"
#include "grid/DayTextCache.h"
#include "pages/DateEntry.h"
#include "settings/LocationSettings.h"
#include "times/DayTimes.h"
#include "ui/ExportList.h"
#include "widgets/LazyPage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace date {
class time_zone;
}

namespace mirvane {

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
// Without a place it invites the user to choose one. Its controls are made
// when it is first shown, or first reached; until then it only keeps what
// it is told.
class TTimesPage : public QWidget {
    Q_OBJECT

public:
    explicit TTimesPage(QWidget* Parent = nullptr);

    // The button next to the place's name.
    std::function<void()> OnChooseLocation;

    // What the page follows; each recomputes a made page.
    void SetLocation(const std::optional<TLocation>& Location);
    void SetDateReading(TDateOrder Order, const TLocaleMonthNames& MonthNames);
    void SetHebrewNames(bool On);
    // The process-wide Diaspora flag changed.
    void RulesChanged();

    void Make() { Controls.Make(); }
    bool Made() const { return Controls.Made(); }

    // The month sheet as rich text, without a heading of the page's name.
    QString PrintedHtml() const;
    // The month's times at the place, as `mirvane-cli times FIRST LAST` writes
    // them in Format; empty with the reason in Problem without a place.
    std::string ExportText(TExportFormat Format, QString& Problem) const;

    TPageControl<QLabel> PlaceName{Controls};
    TPageControl<QPushButton> ChooseButton{Controls};
    TPageControl<QLineEdit> DateBox{Controls};
    TPageControl<QLabel> DayDescriptionLabel{Controls};
    TPageControl<QLabel> Invitation{Controls};
    TPageControl<QTableWidget> DayTable{Controls};
    TPageControl<QLabel> MonthTitle{Controls};
    TPageControl<QTableWidget> MonthTable{Controls};

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void Build(QWidget& Page);
    // Reads the date box and shows its day and month; a date that is not
    // complete empties the page.
    void DateChanged();
    void ShowAll();
    void ShowDay();
    void ShowMonth();
    std::optional<TTimesSite> Site() const;
    // The festival or portion text of a day, trimmed; in Hebrew under the
    // option.
    QString OccasionOf(TDateTime Day) const;

    QWidget* Self = this;
    TLazyPage Controls{Self, [this](QWidget& Page) { Build(Page); }};

    std::optional<TLocation> Location;
    const date::time_zone* Zone = nullptr;
    QString ZoneProblem;
    TDateOrder Order = DayMonthYear;
    TLocaleMonthNames MonthNames;
    bool HebrewNames = false;
    std::optional<TDateTime> Day;
    // The month the sheet shows (its first day), so a new day of the same
    // month leaves it alone.
    std::optional<TDateTime> SheetMonth;
    std::vector<TSheetRow> Sheet;
    mutable TDayTextCache Texts;
};

}  // namespace mirvane
