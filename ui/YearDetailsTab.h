#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/JewishYear.h"
#include "ui/WindowPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace mirvane {

class TUpDown;
struct TMonthDetails;

// The Year Details page: the calendar facts of one Jewish year and of a
// chosen month of it. Its controls keep their form names as object names.
class TYearDetailsTab : public TWindowPage {
    Q_OBJECT

public:
    TYearDetailsTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    QString Title() const override;
    QString PrintedHtml() const override;
    QString PrintedQuestion() const override;
    // The Jewish year the page shows; this year until the page is made.
    std::int32_t Year() const { return DetailsYear.Year; }

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions() override;
    // A year beyond the calendar throws before anything is written, so the
    // page keeps what it showed.
    void ShowYear();
    void ShowMonth();
    void ShowMonthDetails(const TMonthDetails& Month);
    // "Friday 18:00 and 0 parts" and "197d 2h 776p 24f" in the window's
    // language.
    static QString MoladText(const TMoladClock& Clock);
    static QString SeasonText(const TSeasonTime& Season);
    // A Jewish date in Hebrew letters reads from the right edge of its box.
    void FollowHebrewNames();
    // The box shows the year's leap flag and takes no input.
    void ShowLeapYear();

    // The calculator of the year shown, set to this year from the start.
    TJewishYear DetailsYear;
    // The output boxes and the untranslated accessible names they are read by.
    std::vector<std::pair<QLineEdit*, const char*>> NamedOutputs;

    TPageControl<QLabel> YearLabel{Controls};
    TPageControl<QLineEdit> JewishYear{Controls};
    TPageControl<TUpDown> YearSpinner{Controls};
    TPageControl<QLabel> CycleLabel{Controls};
    TPageControl<QLineEdit> CycleNumber{Controls};
    TPageControl<QLabel> YearInCycleLabel{Controls};
    TPageControl<QLineEdit> YearInCycle{Controls};
    TPageControl<QCheckBox> LeapYear{Controls};
    TPageControl<QLabel> MoladLabel{Controls};
    TPageControl<QLineEdit> MoladDays{Controls};
    TPageControl<QLineEdit> MoladHours{Controls};
    TPageControl<QLineEdit> MoladParts{Controls};
    TPageControl<QLabel> FirstDayLabel{Controls};
    TPageControl<QLineEdit> FirstDayWeekday{Controls};
    TPageControl<QLineEdit> FirstDayDate{Controls};
    TPageControl<QLabel> SeasonLabel{Controls};
    TPageControl<QLineEdit> SeasonTime{Controls};
    TPageControl<QLineEdit> SeasonDay{Controls};
    TPageControl<QLabel> CheshvanLabel{Controls};
    TPageControl<QLineEdit> CheshvanDays{Controls};
    TPageControl<QLabel> KislevLabel{Controls};
    TPageControl<QLineEdit> KislevDays{Controls};
    TPageControl<QLabel> MonthLabel{Controls};
    TPageControl<QComboBox> Month{Controls};
    TPageControl<QLabel> MonthDaysLabel{Controls};
    TPageControl<QLineEdit> MonthDays{Controls};
    TPageControl<QLabel> MonthMoladLabel{Controls};
    TPageControl<QLineEdit> MonthMolad{Controls};
    TPageControl<QLineEdit> MonthMoladDays{Controls};
    TPageControl<QLineEdit> MonthMoladHours{Controls};
    TPageControl<QLineEdit> MonthMoladParts{Controls};
};

}  // namespace mirvane
