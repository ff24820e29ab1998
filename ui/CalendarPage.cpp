// The Calendar page: the month grid, its steps, and the two year boxes that
// mirror the years of the selected date and take a typed year.

#include <algorithm>
#include <cstdint>
#include <limits>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "grid/MirvaneGrid.h"
#include "pages/DecimalText.h"
#include "ui/Controls.h"
#include "ui/ErrorReport.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

// A year moved by a typed difference, kept within 32 bits; the grid refuses
// a year it cannot reach as it refuses any other.
std::int32_t ShiftedYear(std::int32_t Year, std::int32_t Typed, std::int32_t Other)
{
    const std::int64_t Shifted = std::int64_t{Year} + Typed - Other;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Shifted, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// Typed years at or below these are ignored: the first digits of a longer
// year, or a year without a new-year date.
constexpr std::int32_t LowestTypedGregorianYear = 10;
constexpr std::int32_t LowestTypedJewishYear = 3762;

}  // namespace

void TForm1::BuildCalendarPage(QWidget& Page)
{
    MirvaneGrid1 = new TMirvaneGrid(&Page);
    MirvaneGrid1->setObjectName(QStringLiteral("MirvaneGrid1"));
    Scale.Place(*MirvaneGrid1, 8, 4, 345, 369);
    MirvaneGrid1->resize(MirvaneGrid1->width(),
                         std::max(MirvaneGrid1->height(), MirvaneGrid1->minimumSizeHint().height()));

    Label17 = MakeLabel(Page, "Label17", QStringLiteral("Year"));
    Scale.PlaceNatural(*Label17, 368, 8);
    Edit20 = MakeEdit(Page, "Edit20", QStringLiteral("Year"));
    Scale.Place(*Edit20, 368, 24, 50, 21);
    Label18 = MakeLabel(Page, "Label18", QStringLiteral("Jewish Year"));
    Scale.PlaceNatural(*Label18, 368, 48);
    Edit21 = MakeEdit(Page, "Edit21", QStringLiteral("Jewish Year"));
    Scale.Place(*Edit21, 368, 64, 50, 21);
    Label17->setBuddy(Edit20);
    Label18->setBuddy(Edit21);

    Button1 = MakeButton(Page, "Button1", QStringLiteral("Next Month"));
    Scale.Place(*Button1, 368, 112, 80, 25);
    Button2 = MakeButton(Page, "Button2", QStringLiteral("Previous Month"));
    Scale.Place(*Button2, 368, 152, 80, 25);
    Button3 = MakeButton(Page, "Button3", QStringLiteral("Next Year"));
    Scale.Place(*Button3, 368, 192, 80, 25);
    Button5 = MakeButton(Page, "Button5", QStringLiteral("Previous Year"));
    Scale.Place(*Button5, 368, 232, 80, 25);
    Button4 = MakeButton(Page, "Button4", QStringLiteral("Today's Date"));
    Scale.Place(*Button4, 368, 304, 80, 25);

    setTabOrder(MirvaneGrid1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button5);
    setTabOrder(Button5, Edit20);
    setTabOrder(Edit20, Edit21);
    setTabOrder(Edit21, Button4);

    MirvaneGrid1->OnChange = [this](TMirvaneGrid&) { MirvaneGrid1Change(); };
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Edit20, &QLineEdit::textChanged, this, &TForm1::Edit20Change);
    connect(Edit21, &QLineEdit::textChanged, this, &TForm1::Edit21Change);
}

void TForm1::Button1Click()
{
    RunHandler([this] { MirvaneGrid1->GoNextMonth(); });
}

void TForm1::Button2Click()
{
    RunHandler([this] { MirvaneGrid1->GoPrevMonth(); });
}

void TForm1::Button3Click()
{
    RunHandler([this] { MirvaneGrid1->GoNextYear(); });
}

void TForm1::Button5Click()
{
    RunHandler([this] { MirvaneGrid1->GoPrevYear(); });
}

void TForm1::Button4Click()
{
    RunHandler([this] { MirvaneGrid1->SetDate(Today()); });
}

// Writing a box with the text it already holds raises no change, and the
// years written are those of the selected date, so the nested settings land
// on the date the grid already has and the nesting ends by itself.
void TForm1::MirvaneGrid1Change()
{
    RunHandler([this] {
        Edit20->setText(QString::number(MirvaneGrid1->GregorianPart(1)));
        Edit21->setText(QString::number(MirvaneGrid1->JewishPart(1)));
    });
}

void TForm1::Edit20Change()
{
    RunHandler([this] {
        const std::int32_t Typed = ReadDecimal(Edit20->text().toStdString()).value_or(0);
        if (Typed <= LowestTypedGregorianYear) {
            return;
        }
        if (MirvaneGrid1->JewishSelected()) {
            MirvaneGrid1->SetJewishPart(1, ShiftedYear(MirvaneGrid1->JewishPart(1), Typed, MirvaneGrid1->GregorianPart(1)));
        } else {
            MirvaneGrid1->SetGregorianPart(1, Typed);
        }
    });
}

void TForm1::Edit21Change()
{
    RunHandler([this] {
        const std::int32_t Typed = ReadDecimal(Edit21->text().toStdString()).value_or(0);
        if (Typed <= LowestTypedJewishYear) {
            return;
        }
        if (MirvaneGrid1->JewishSelected()) {
            MirvaneGrid1->SetJewishPart(1, Typed);
        } else {
            MirvaneGrid1->SetGregorianPart(1, ShiftedYear(MirvaneGrid1->GregorianPart(1), Typed, MirvaneGrid1->JewishPart(1)));
        }
    });
}

}  // namespace mirvane
