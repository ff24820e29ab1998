#pragma once

#include "ui/PageAnswer.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace mirvane {

class TUpDown;
struct TAnniversaryInput;

// The Birthdays/Yahrtzeits page: a typed date of a birth or a death, and the
// Gregorian date of its anniversary in a chosen year or a run of years. Its
// controls keep their form names as object names.
class TBirthdaysTab : public TAnswerTab {
    Q_OBJECT

public:
    TBirthdaysTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    QString Title() const override;
    QString PrintedHtml() const override;
    std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const override;
    bool AskExportDetails(TExportDetails& Details) override;

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions();
    // The examples of the date order in the hint, once a menu item has
    // chosen one.
    void WriteDateOrderExamples();
    // A Jewish date in Hebrew letters reads from the right edge of its box.
    void FollowHebrewNames();
    // The page's inputs as it computes them, also for its export. The
    // menu's date order and Adar choice are read here, at the next change
    // of an input, not when the menu item is picked.
    TAnniversaryInput AnniversaryInput() const;
    // Every input runs it: the dates, the tick, the choice of day or night.
    void Compute();

    TPageControl<QLabel> DateHint{Controls};
    TPageControl<QLineEdit> OriginalDate{Controls};
    TPageControl<QLabel> SunsetLabel{Controls};
    TPageControl<QCheckBox> AfterSunset{Controls};
    TPageControl<QLabel> YearHint{Controls};
    TPageControl<QLineEdit> YearWanted{Controls};
    TPageControl<TUpDown> YearSpinner{Controls};
    TPageControl<QLabel> JewishDateLabel{Controls};
    TPageControl<QLineEdit> JewishDate{Controls};
    TPageControl<QRadioButton> DayOfIt{Controls};
    TPageControl<QRadioButton> NightOfIt{Controls};
    TPageControl<QLabel> AnniversaryLabel{Controls};
    TPageControl<QLineEdit> Anniversary{Controls};
    TPageControl<QLabel> ListHint{Controls};
    TPageControl<QLineEdit> YearCount{Controls};
    TPageControl<QPlainTextEdit> DateList{Controls};
};

}  // namespace mirvane
