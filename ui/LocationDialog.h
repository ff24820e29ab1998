#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "settings/LocationSettings.h"
#include "times/PlaceList.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace mirvane {

class TPlaceIndex;

// Options > Location...: the user's place, found by name in the place list
// or typed as latitude, longitude and time zone, with the minutes of candle
// lighting and the rule of havdalah there. Without a place yet it opens on
// the city of the system's time zone. The place list is read when the
// dialog first needs it; a missing or damaged list is said in the dialog,
// and coordinates can still be typed.
class TLocationDialog : public QDialog {
    Q_OBJECT

public:
    TLocationDialog(const std::optional<TLocation>& Current, bool InDiaspora, QWidget* Parent = nullptr);

    // The place as the boxes give it; complete once the dialog is accepted.
    const TLocation& Chosen() const { return Result; }
    // The festival rules the user asked to switch to when the place chosen
    // lies on the other side of them (Diaspora true, Israel false); nothing
    // when not asked or declined. The place the dialog opened on is not
    // asked about again.
    std::optional<bool> DiasporaWish() const { return Wish; }

    QLineEdit* SearchBox = nullptr;
    QListWidget* FoundList = nullptr;
    QLabel* NothingFound = nullptr;
    QLabel* ListProblem = nullptr;
    QLineEdit* LatitudeBox = nullptr;
    QLineEdit* LongitudeBox = nullptr;
    QLineEdit* ZoneBox = nullptr;
    QSpinBox* CandleBox = nullptr;
    QComboBox* HavdalahBox = nullptr;

    // Checks every box, naming the first that is wrong in a message and
    // giving it the focus; asks, once, whether to switch the festival rules.
    void accept() override;

protected:
    // Enter and Down in the search box.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void BuildControls();
    void ShowLocation(const TLocation& Location);
    // The index, read on first use; nothing, with the reason shown, when the
    // list cannot be read.
    const TPlaceIndex* Places();
    void Search(const QString& Text);
    void ChoosePlace(const TPlace& Place);
    // The place the dialog opened on, selected in the list of its name.
    void SelectListed(const TLocation& Location);
    // Minutes shown without counting as set by hand.
    void SetMinutes(int Minutes);
    // The minutes of the place the coordinates name, until the user sets
    // them by hand.
    void FollowPlaceMinutes();
    // The boxes' values in Result; false after a message naming the box
    // that is wrong.
    bool ReadBoxes();
    void AskAboutRules();

    std::optional<TLocation> Initial;
    bool InDiaspora = true;
    bool ListFailed = false;
    bool Asked = false;
    bool MinutesByHand = false;
    std::vector<TPlace> Found;
    TLocation Result;
    std::optional<bool> Wish;
};

}  // namespace mirvane
