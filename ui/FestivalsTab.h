#pragma once

#include "ui/PageAnswer.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace mirvane {

class TUpDown;
struct TFestivalInput;

// The Festivals page: the Gregorian date of a festival in a chosen year or a
// run of years. Its controls keep their form names as object names.
class TFestivalsTab : public TAnswerTab {
    Q_OBJECT

public:
    TFestivalsTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    QString Title() const override;
    QString PrintedHtml() const override;
    std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const override;

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions();
    void RefillFestivalNames();
    TFestivalInput FestivalInput() const;
    void Compute();

    TPageControl<QLabel> NameLabel{Controls};
    TPageControl<QComboBox> FestivalName{Controls};
    TPageControl<QLabel> YearLabel{Controls};
    TPageControl<QLineEdit> GregorianYear{Controls};
    TPageControl<TUpDown> YearSpinner{Controls};
    TPageControl<QLabel> DateLabel{Controls};
    TPageControl<QLineEdit> FestivalDate{Controls};
    TPageControl<QLabel> ListHint{Controls};
    TPageControl<QLineEdit> YearCount{Controls};
    TPageControl<QPlainTextEdit> DateList{Controls};
};

}  // namespace mirvane
