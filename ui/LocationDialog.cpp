#include "ui/LocationDialog.h"

#include <cmath>

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTimeZone>
#include <QVBoxLayout>

#include "times/CandleMinutes.h"
#include "times/DayTimes.h"
#include "times/PlaceFile.h"
#include "times/TimeZone.h"
#include "times/ZoneNames.h"
#include "ui/Isolated.h"
#include "ui/WindowPlaceTitle.h"
#include "ui/LibraryMessages.h"
#include "widgets/MessageBox.h"

namespace mirvane {
namespace {

constexpr std::size_t ListedPlaces = 50;
constexpr int HavdalahChoices[] = {0, 42, 50, 72};

QString HavdalahCaption(int Minutes)
{
    return Minutes == 0 ? QCoreApplication::translate("mirvane::TLocationDialog",
                                                      "When the stars appear (the sun 8.5° below the horizon)")
                        : QCoreApplication::translate("mirvane::TLocationDialog", "%1 minutes after sunset").arg(Minutes);
}

QString DegreesText(double Degrees)
{
    return QString::number(Degrees, 'f', 5);
}

// Degrees typed with a point or a comma; nothing for anything else ("nan"
// and "inf" among them) or out of range.
std::optional<double> ReadDegrees(const QString& Text, double Limit)
{
    QString Number = Text.trimmed();
    Number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool IsNumber = false;
    const double Value = Number.toDouble(&IsNumber);
    if (!IsNumber || !std::isfinite(Value) || !(Value >= -Limit && Value <= Limit))
        return std::nullopt;
    return Value;
}

// The spin box takes three digits so that a number out of range is seen
// whole and refused, not cut to its first two.
constexpr int MostTypedMinutes = 999;

// A place of the list by its country; coordinates typed by the zone whose
// clocks Israel keeps.
bool InIsrael(const TLocation& Location)
{
    if (!Location.Country.empty())
        return Location.Country == "Israel";
    return Location.TimeZone == "Asia/Jerusalem" || Location.TimeZone == "Asia/Tel_Aviv";
}

QLineEdit* MakeBox(QWidget& Parent, const QString& AccessibleName)
{
    auto* Box = new QLineEdit(&Parent);
    Box->setAccessibleName(AccessibleName);
    return Box;
}

}  // namespace

TLocationDialog::TLocationDialog(const std::optional<TLocation>& Current, bool InDiaspora, QWidget* Parent)
    : QDialog(Parent), Initial(Current), InDiaspora(InDiaspora)
{
    setObjectName(QStringLiteral("LocationDialog"));
    setWindowTitle(tr("Location"));
    BuildControls();
    if (Current) {
        ShowLocation(*Current);
        return;
    }
    // No place yet: the city whose clocks the system keeps, when the list
    // has it.
    const std::string Zone = QTimeZone::systemTimeZoneId().toStdString();
    if (const TPlaceIndex* Index = Places()) {
        if (const std::optional<TPlace> Place = Index->PlaceOfZone(Zone)) {
            SearchBox->setText(QString::fromStdString(Place->Name));
            Search(SearchBox->text());
            FoundList->setCurrentRow(0);
            return;
        }
    }
    if (IsZoneName(Zone))
        ZoneBox->setText(QString::fromStdString(Zone));
}

void TLocationDialog::BuildControls()
{
    auto* Layout = new QVBoxLayout(this);
    auto* SearchLabel = new QLabel(tr("&Find a place by its name:"), this);
    SearchBox = MakeBox(*this, tr("Find a place"));
    SearchBox->setPlaceholderText(tr("e.g. Lakewood, or Lakewood, New Jersey"));
    SearchLabel->setBuddy(SearchBox);
    SearchBox->installEventFilter(this);
    FoundList = new QListWidget(this);
    FoundList->setAccessibleName(tr("Places found"));
    NothingFound = new QLabel(this);
    NothingFound->setObjectName(QStringLiteral("LabelNothingFound"));
    NothingFound->setWordWrap(true);
    NothingFound->hide();
    ListProblem = new QLabel(this);
    ListProblem->setWordWrap(true);
    ListProblem->hide();
    Layout->addWidget(SearchLabel);
    Layout->addWidget(SearchBox);
    Layout->addWidget(FoundList, 1);
    Layout->addWidget(NothingFound);
    Layout->addWidget(ListProblem);

    Layout->addWidget(new QLabel(tr("Or type the place's coordinates and time zone:"), this));
    auto* Form = new QFormLayout;
    LatitudeBox = MakeBox(*this, tr("Latitude"));
    LatitudeBox->setPlaceholderText(tr("degrees north; south below 0"));
    LongitudeBox = MakeBox(*this, tr("Longitude"));
    LongitudeBox->setPlaceholderText(tr("degrees east; west below 0"));
    ZoneBox = MakeBox(*this, tr("Time zone"));
    ZoneBox->setPlaceholderText(tr("e.g. America/New_York"));
    QStringList Zones;
    for (const std::string& Name : ZoneNames())
        Zones.append(QString::fromStdString(Name));
    auto* ZoneCompleter = new QCompleter(Zones, ZoneBox);
    ZoneCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    ZoneCompleter->setFilterMode(Qt::MatchContains);
    ZoneBox->setCompleter(ZoneCompleter);
    Form->addRow(tr("L&atitude:"), LatitudeBox);
    Form->addRow(tr("L&ongitude:"), LongitudeBox);
    Form->addRow(tr("&Time zone:"), ZoneBox);

    CandleBox = new QSpinBox(this);
    CandleBox->setAccessibleName(tr("Candle lighting minutes before sunset"));
    CandleBox->setRange(0, MostTypedMinutes);
    CandleBox->setValue(TTimesRules{}.CandleMinutes);
    CandleBox->setSuffix(tr(" minutes before sunset"));
    Form->addRow(tr("&Candle lighting:"), CandleBox);
    HavdalahBox = new QComboBox(this);
    HavdalahBox->setAccessibleName(tr("Havdalah"));
    for (const int Minutes : HavdalahChoices)
        HavdalahBox->addItem(HavdalahCaption(Minutes), Minutes);
    Form->addRow(tr("&Havdalah:"), HavdalahBox);
    Layout->addLayout(Form);

    auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &TLocationDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &TLocationDialog::reject);

    connect(SearchBox, &QLineEdit::textEdited, this, &TLocationDialog::Search);
    connect(FoundList, &QListWidget::currentRowChanged, this, [this](int Row) {
        if (Row >= 0 && static_cast<std::size_t>(Row) < Found.size())
            ChoosePlace(Found[static_cast<std::size_t>(Row)]);
    });
    // Coordinates typed are no longer the place of the list, and bring
    // their own custom of candle lighting.
    for (QLineEdit* Box : {LatitudeBox, LongitudeBox, ZoneBox})
        connect(Box, &QLineEdit::textEdited, this, [this] {
            Result.Name.clear();
            Result.Country.clear();
            Result.HebrewName.clear();
            Result.CountryCode.clear();
            FollowPlaceMinutes();
        });
    connect(CandleBox, &QSpinBox::valueChanged, this, [this] { MinutesByHand = true; });
    resize(480, 460);
}

void TLocationDialog::ShowLocation(const TLocation& Location)
{
    Result = Location;
    SearchBox->setText(QString::fromStdString(Location.Name));
    LatitudeBox->setText(DegreesText(Location.Latitude));
    LongitudeBox->setText(DegreesText(Location.Longitude));
    ZoneBox->setText(QString::fromStdString(Location.TimeZone));
    SetMinutes(Location.CandleMinutes);
    // Minutes other than the place's own were set by hand, and stay.
    MinutesByHand = Location.CandleMinutes != DefaultCandleMinutes({Location.Latitude, Location.Longitude});
    int Entry = HavdalahBox->findData(Location.HavdalahMinutes);
    if (Entry < 0) {
        HavdalahBox->addItem(HavdalahCaption(Location.HavdalahMinutes), Location.HavdalahMinutes);
        Entry = HavdalahBox->count() - 1;
    }
    HavdalahBox->setCurrentIndex(Entry);
    if (!Location.Name.empty())
        SelectListed(Location);
}

void TLocationDialog::SelectListed(const TLocation& Location)
{
    Search(SearchBox->text());
    for (std::size_t Row = 0; Row < Found.size(); ++Row) {
        const TPlace& Place = Found[Row];
        if (Place.Name == Location.Name && Place.Country == Location.Country &&
            std::fabs(Place.Latitude - Location.Latitude) < 1e-4 &&
            std::fabs(Place.Longitude - Location.Longitude) < 1e-4) {
            const QSignalBlocker Quiet(FoundList);
            FoundList->setCurrentRow(static_cast<int>(Row));
            return;
        }
    }
}

void TLocationDialog::SetMinutes(int Minutes)
{
    const QSignalBlocker Quiet(CandleBox);
    CandleBox->setValue(Minutes);
}

void TLocationDialog::FollowPlaceMinutes()
{
    if (MinutesByHand)
        return;
    const std::optional<double> Latitude = ReadDegrees(LatitudeBox->text(), 90);
    const std::optional<double> Longitude = ReadDegrees(LongitudeBox->text(), 180);
    if (Latitude && Longitude)
        SetMinutes(DefaultCandleMinutes({*Latitude, *Longitude}));
}

bool TLocationDialog::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched != SearchBox || Event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(Watched, Event);
    const int Key = static_cast<QKeyEvent*>(Event)->key();
    if (Key != Qt::Key_Return && Key != Qt::Key_Enter && Key != Qt::Key_Down)
        return false;
    // Enter takes the first place found rather than the dialog's OK, which
    // would keep the place shown before; Down walks into the list.
    if (!Found.empty()) {
        const int Row = Key == Qt::Key_Down ? std::max(0, FoundList->currentRow()) : 0;
        if (FoundList->currentRow() == Row)
            ChoosePlace(Found[static_cast<std::size_t>(Row)]);
        else
            FoundList->setCurrentRow(Row);
        FoundList->setFocus();
    }
    return true;
}

const TPlaceIndex* TLocationDialog::Places()
{
    if (ListFailed)
        return nullptr;
    try {
        return &InstalledPlaceIndex();
    } catch (const EPlaceListError& Error) {
        ListFailed = true;
        ListProblem->setText(tr("Places cannot be found by name: %1. Type the latitude, longitude and "
                                            "time zone instead.")
                                 .arg(WindowMessage(Error.what())));
        ListProblem->show();
        return nullptr;
    }
}

void TLocationDialog::Search(const QString& Text)
{
    const TPlaceIndex* Index = Places();
    Found = Index ? Index->Search(Text.toStdString(), ListedPlaces) : std::vector<TPlace>{};
    const QSignalBlocker Quiet(FoundList);
    FoundList->clear();
    for (const TPlace& Place : Found)
        FoundList->addItem(WindowPlaceTitle(Place, layoutDirection() == Qt::RightToLeft));
    const QString Typed = Text.trimmed();
    NothingFound->setText(tr("No place called \"%1\" was found. Try another spelling, or type the "
                             "coordinates and time zone below.")
                              .arg(Typed));
    NothingFound->setVisible(Index != nullptr && Found.empty() && !Typed.isEmpty());
}

void TLocationDialog::ChoosePlace(const TPlace& Place)
{
    LatitudeBox->setText(DegreesText(Place.Latitude));
    LongitudeBox->setText(DegreesText(Place.Longitude));
    ZoneBox->setText(QString::fromStdString(Place.TimeZone));
    if (!MinutesByHand)
        SetMinutes(DefaultCandleMinutes({Place.Latitude, Place.Longitude}));
    Result.Name = Place.Name;
    Result.Country = Place.Country;
    Result.HebrewName = Place.HebrewName;
    Result.CountryCode = Place.CountryCode;
}

bool TLocationDialog::ReadBoxes()
{
    const auto Refuse = [](QLineEdit* Box, const QString& Message) {
        ShowMessageBox(TBoxKind::Message, Message);
        Box->setFocus();
        Box->selectAll();
        return false;
    };
    const std::optional<double> Latitude = ReadDegrees(LatitudeBox->text(), 90);
    if (!Latitude)
        return Refuse(LatitudeBox, tr("Latitude: type the degrees north of the equator, from -90 to "
                                                  "90 (south below 0), e.g. 40.71427."));
    const std::optional<double> Longitude = ReadDegrees(LongitudeBox->text(), 180);
    if (!Longitude)
        return Refuse(LongitudeBox, tr("Longitude: type the degrees east of Greenwich, from -180 to "
                                                   "180 (west below 0), e.g. -74.00597."));
    const QString Typed = ZoneBox->text().trimmed();
    const std::optional<std::string> Zone = CanonicalZoneName(Typed.toStdString());
    if (!Zone || FindTimeZone(*Zone) == nullptr)
        return Refuse(ZoneBox, tr("Time zone: \"%1\" is not a time zone of the system's zone "
                                              "database; type one such as Europe/London or America/New_York.")
                                   .arg(Typed));
    if (CandleBox->value() > MaxRuleMinutes) {
        ShowMessageBox(TBoxKind::Message, tr("Candle lighting: type the minutes before sunset, from 0 to %1.")
                                              .arg(MaxRuleMinutes));
        CandleBox->setFocus();
        CandleBox->selectAll();
        return false;
    }
    Result.Latitude = *Latitude;
    Result.Longitude = *Longitude;
    Result.TimeZone = *Zone;
    ZoneBox->setText(QString::fromStdString(*Zone));
    Result.CandleMinutes = CandleBox->value();
    Result.HavdalahMinutes = HavdalahBox->currentData().toInt();
    return true;
}

void TLocationDialog::AskAboutRules()
{
    const bool Israel = InIsrael(Result);
    const bool Kept = Initial && Initial->Latitude == Result.Latitude && Initial->Longitude == Result.Longitude &&
                      Initial->TimeZone == Result.TimeZone;
    if (Asked || Kept || Israel != InDiaspora)
        return;
    Asked = true;
    const QString Place = Result.Name.empty() ? tr("This place") : Isolated(QString::fromStdString(Result.Name));
    const QString Question =
        Israel ? tr("%1 is in Israel. Use the Israel rules for the festivals and portions?").arg(Place)
               : tr("%1 is outside Israel. Use the Diaspora rules for the festivals and portions?")
                     .arg(Place);
    if (AskYesNo(Question))
        Wish = !Israel;
}

void TLocationDialog::accept()
{
    if (!ReadBoxes())
        return;
    AskAboutRules();
    QDialog::accept();
}

}  // namespace mirvane
