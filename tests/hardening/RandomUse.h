#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

#include <QAccessible>
#include <QString>

class QWidget;

namespace mirvane {

class TForm1;
class THangWatch;

// Drives the whole window with random user actions from one seed: clicks
// anywhere on the visible controls, keys and shortcuts, typed and pasted
// texts of every kind, menu choices and page switches. The same seed gives
// the same actions, so a failure can be replayed.
class TRandomUse {
public:
    // Also reads every announcement of the window as a screen reader would.
    TRandomUse(TForm1& Form, std::uint64_t Seed, THangWatch& Watch);
    ~TRandomUse();
    TRandomUse(const TRandomUse&) = delete;
    TRandomUse& operator=(const TRandomUse&) = delete;

    void RunEvent(long Index);
    // The last few actions, newest last, for a failure report.
    std::string RecentEvents() const;
    // Log every action on standard error as it is done.
    bool Verbose = false;

private:
    void Note(std::string What);
    QString RandomText();
    QWidget* RandomVisible(const std::vector<QWidget*>& Widgets);
    std::vector<QWidget*> VisibleWidgets() const;
    std::vector<QWidget*> EditableBoxes() const;

    void ClickSomewhere();
    void PressKey();
    void TypeText();
    void PasteText();
    void ChooseMenuItem();
    void SwitchPage();
    void ChooseComboItem();
    void StepUpDown();
    void UseGrid();
    void TurnWheel();
    void ResizeWindow();
    void UseMenuByKeys();
    void UseScreenReader();

    TForm1& Form;
    std::mt19937_64 Random;
    THangWatch& Watch;
    long EventIndex = 0;
    std::deque<std::string> Recent;
    QAccessible::UpdateHandler PreviousHandler;
};

}  // namespace mirvane
