// The Calendar page: the month grid, its steps, and the two year boxes that
// mirror the years of the selected date and take a typed year.

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "grid/MirvaneGrid.h"
#include "pages/CalendarYearEntry.h"
#include "ui/Controls.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"

namespace mirvane {

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
        Edit20->setText(QString::number(MirvaneGrid1->CurrentGregorianDate().Year));
        Edit21->setText(QString::number(MirvaneGrid1->CurrentJewishDate().Year));
    });
}

void TForm1::Edit20Change()
{
    RunHandler([this] { SetTypedYear(TypedGregorianYear(Edit20->text().toStdString(), CalendarYears())); });
}

void TForm1::Edit21Change()
{
    RunHandler([this] { SetTypedYear(TypedJewishYear(Edit21->text().toStdString(), CalendarYears())); });
}

TCalendarYears TForm1::CalendarYears() const
{
    return {MirvaneGrid1->CurrentGregorianDate().Year, MirvaneGrid1->CurrentJewishDate().Year,
            MirvaneGrid1->JewishSelected()};
}

void TForm1::SetTypedYear(const std::optional<TYearInCalendar>& Target)
{
    if (!Target) {
        return;
    }
    if (Target->Jewish) {
        MirvaneGrid1->SetJewishPart(1, Target->Year);
    } else {
        MirvaneGrid1->SetGregorianPart(1, Target->Year);
    }
}

}  // namespace mirvane
