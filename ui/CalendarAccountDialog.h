#pragma once

#include <QDialog>
#include <memory>

#include "settings/SyncSettings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QThread;

namespace mirvane {

struct TFinding;

// Options > Calendar Account...: the CalDAV server, user name and password,
// the calendar found there (or a new one named "Mirvane"), the years kept
// ahead, and whether the festivals and the candle-lighting times go there
// too. Finding the calendars runs on a thread of its own.
class TCalendarAccountDialog : public QDialog {
    Q_OBJECT

public:
    explicit TCalendarAccountDialog(const TSyncSettings& Current, QWidget* Parent = nullptr);
    ~TCalendarAccountDialog() override;

    // What the user chose: Calendar is empty for a new "Mirvane".
    TSyncSettings Chosen() const;
    QString Password() const;
    // "Stop Syncing" was pressed: accepted then, with StopAndRemove telling
    // whether Mirvane's events are to be removed from the calendar.
    bool Stopped() const { return Stop; }
    bool StopAndRemove() const { return RemoveEvents; }

private:
    void FindCalendars();
    void Found();
    void StopSyncing();
    void Check();

    TSyncSettings Initial;
    QLineEdit* Address = nullptr;
    QLineEdit* User = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QPushButton* FindButton = nullptr;
    QComboBox* Calendars = nullptr;
    QSpinBox* Years = nullptr;
    QCheckBox* Festivals = nullptr;
    QCheckBox* Candles = nullptr;
    QLabel* Status = nullptr;
    QPushButton* OkButton = nullptr;
    QThread* Finder = nullptr;
    std::shared_ptr<TFinding> Finding;
    bool Stop = false;
    bool RemoveEvents = false;
};

}  // namespace mirvane
