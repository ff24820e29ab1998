// Options > Show on the Calendar: a tick for each group of the luach and,
// under Daily Learning, for each study cycle, shown in the grid at once.

#include <QAction>
#include <QMenu>

#include "learning/LearningCycles.h"
#include "luach/LuachShow.h"
#include "ui/Language.h"
#include "ui/Mirvane.h"

namespace mirvane {
namespace {

constexpr const char* LuachKey = "LuachKey";

struct TShownGroup {
    const char* Key;
    const char* Name;
    const char* Caption;
};

// In the order the menu lists them, the learning last under its own menu.
constexpr TShownGroup ShownGroups[] = {
    {"rosh-chodesh", "ShowRoshChodesh1", QT_TRANSLATE_NOOP("mirvane::TForm1", "&Rosh Chodesh")},
    {"special-shabbat", "ShowSpecialShabbat1", QT_TRANSLATE_NOOP("mirvane::TForm1", "&Special Shabbatot")},
    {"mevarchim", "ShowMevarchim1", QT_TRANSLATE_NOOP("mirvane::TForm1", "Shabbat &Mevarchim and Molad")},
    {"omer", "ShowOmer1", QT_TRANSLATE_NOOP("mirvane::TForm1", "&Omer")},
    {"modern", "ShowModern1", QT_TRANSLATE_NOOP("mirvane::TForm1", "Israel's &National Days")},
    {"minor", "ShowMinor1", QT_TRANSLATE_NOOP("mirvane::TForm1", "M&inor Days")},
};

QAction* AddTick(QMenu& Menu, const QString& Name, std::string_view Key)
{
    QAction* Tick = Menu.addAction(QString());
    Tick->setObjectName(Name);
    Tick->setCheckable(true);
    Tick->setProperty(LuachKey, QByteArray(Key.data(), static_cast<qsizetype>(Key.size())));
    return Tick;
}

}  // namespace

void TForm1::BuildShowMenu()
{
    ShowOnCalendar1 = Optios1->addMenu(QString());
    Captioned(*ShowOnCalendar1->menuAction(), QT_TR_NOOP("&Show on the Calendar"));
    ShowOnCalendar1->setObjectName(QStringLiteral("ShowOnCalendar1"));
    ShowOnCalendar1->menuAction()->setObjectName(QStringLiteral("ShowOnCalendar1"));
    for (const TShownGroup& Group : ShownGroups)
        ShowTicks.push_back(&Captioned(*AddTick(*ShowOnCalendar1, QString::fromLatin1(Group.Name), Group.Key),
                                       Group.Caption));

    DailyLearning1 = ShowOnCalendar1->addMenu(QString());
    Captioned(*DailyLearning1->menuAction(), QT_TR_NOOP("Daily &Learning"));
    DailyLearning1->setObjectName(QStringLiteral("DailyLearning1"));
    DailyLearning1->menuAction()->setObjectName(QStringLiteral("DailyLearning1"));
    for (TLearningCycle Cycle : AllLearningCycles) {
        const std::string_view Key = LearningCycleKey(Cycle);
        ShowTicks.push_back(AddTick(*DailyLearning1, QStringLiteral("Show-") + QString::fromLatin1(Key), Key));
    }
    CaptionCycles();
    TickShown();

    for (QAction* Tick : ShowTicks)
        connect(Tick, &QAction::triggered, this, [this, Tick] { ToggleShown(Tick->property(LuachKey).toByteArray()); });
}

// The cycles go by their own names, which the learning tables hold in
// English and in Hebrew.
void TForm1::CaptionCycles()
{
    const bool Hebrew = HebrewInUse();
    for (QAction* Tick : DailyLearning1->actions()) {
        const std::string Key = Tick->property(LuachKey).toByteArray().toStdString();
        for (TLearningCycle Cycle : AllLearningCycles)
            if (LearningCycleKey(Cycle) == Key) {
                const std::string_view Name = Hebrew ? LearningCycleHebrewName(Cycle) : LearningCycleName(Cycle);
                Tick->setText(QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size())));
            }
    }
}

void TForm1::ToggleShown(const QByteArray& Key)
{
    TLuachShow Shown = Choices.LuachShow;
    ToggleLuachKey(Shown, Key.toStdString());
    ChangeChoice(&TChoices::LuachShow, Shown);
}

void TForm1::TickShown()
{
    for (QAction* Tick : ShowTicks)
        Tick->setChecked(LuachShowHas(Choices.LuachShow, Tick->property(LuachKey).toByteArray().toStdString()));
}

}  // namespace mirvane
