#pragma once

#include <QDialog>
#include <QString>

#include "engine/AnniversaryCustoms.h"

class QComboBox;
class QLineEdit;

namespace mirvane {

// How the date in the details is kept in a year that lacks its day, and
// its date of burial as typed (read with the rest of the details).
struct TCustomsChoice {
    TAdarCustom Adar = TAdarCustom::Options;
    TShortMonthCustom ShortMonth = TShortMonthCustom::Options;
    TAdar1ThirtyCustom Adar1Thirty = TAdar1ThirtyCustom::Options;
    QString BurialText;
};

// The Dates to Remember details' "Customs...": a box for each custom,
// "As the program's options" first, and the date of burial.
class TDateCustomsDialog : public QDialog {
    Q_OBJECT

public:
    TDateCustomsDialog(const TCustomsChoice& Current, QWidget* Parent);

    // What the boxes hold now.
    TCustomsChoice Chosen() const;

private:
    QComboBox* AdarBox = nullptr;
    QComboBox* ShortMonthBox = nullptr;
    QComboBox* Adar1ThirtyBox = nullptr;
    QLineEdit* BurialBox = nullptr;
};

}  // namespace mirvane
