// Every year the calendar places on dates, in both settings: the festival
// table and the portion schedule must hold for all of them, not only for the
// years someone thought of.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "tests/engine/DiasporaGuard.h"
#include "tests/engine/YearDays.h"
#include "tests/support/MessageCapture.h"

namespace mirvane {
namespace {

constexpr std::int32_t Breishit = 3;
constexpr std::int32_t Netzavim = 53;
constexpr std::int32_t JoinedVaYelech = 54;
constexpr int MaxReported = 10;

// The days on which no weekly portion is read, whatever the table says.
const std::set<std::string> FullFestivals = {
    "Rosh Hashana day 1", "Rosh Hashana day 2", "YomKippur day", "Succot day 1",  "Succot day 2",
    "Succot day 3",       "Succot day 4",       "Succot day 5",  "Succot day 6",  "Hoshana Rabba",
    "Shmini Azteret",     "Pessach day 1",      "Pessach day 2", "Pessach day 3", "Pessach day 4",
    "Pessach day 5",      "Pessach day 6",      "Pessach day 7", "Shavuot day 1"};
const std::set<std::string> DiasporaOnly = {"Simchat Torah", "Pessach day 8", "Shavuot day 2"};

std::string DateText(const TJewishYear& Calculator, const TJewishDate& Date, bool InDiaspora)
{
    return std::to_string(Date.Day) + "." + std::to_string(Date.Month) + "." + std::to_string(Calculator.Year) +
           (InDiaspora ? " Diaspora" : " Israel");
}

TEST(FestivalPortionSweep, PortionScheduleOfEveryYear)
{
    MessageCapture Messages;
    int Failures = 0;
    const auto Fail = [&Failures](const std::string& What) {
        ++Failures;
        ADD_FAILURE() << What;
    };
    TJewishYear Calculator;
    for (std::int32_t Number = FirstYearWithNewYearDate; Number <= LastYearWithNewYearDate && Failures < MaxReported;
         ++Number) {
        Calculator.SetYear(Number);
        TJewishYear Following;
        Following.SetYearCore(Number + 1);
        const bool NextStartsWithHaazinu = Following.NewYearWeekday == 5 || Following.NewYearWeekday == 7;
        const bool StartsWithHaazinu = Calculator.NewYearWeekday == 5 || Calculator.NewYearWeekday == 7;
        const std::vector<TJewishDate> Days = DaysOfYear(Calculator);

        for (const bool InDiaspora : {true, false}) {
            DiasporaGuard Guard(InDiaspora);
            Calculator.ComputePortions();
            std::size_t Saturdays = 0;
            std::int32_t Expected = StartsWithHaazinu ? 2 : 1;
            std::int32_t LastRead = 0;
            for (const TJewishDate& Date : Days) {
                if (Calculator.WeekdayOf(Date.Month, Date.Day) != 7)
                    continue;
                const TPortionSlot& Slot = Calculator.Portions[++Saturdays];
                const std::string Festival = Calculator.FestivalOfDay(Date.Month, Date.Day);
                const bool Displaced =
                    FullFestivals.contains(Festival) || (InDiaspora && DiasporaOnly.contains(Festival));
                const std::string Where = DateText(Calculator, Date, InDiaspora);
                if (Displaced) {
                    if (Slot != TPortionSlot{})
                        Fail("a portion on the festival of " + Where);
                    continue;
                }
                if (Slot.Portion != Expected)
                    Fail("portion " + std::to_string(Slot.Portion) + " on " + Where + ", expected " +
                         std::to_string(Expected));
                if (Slot.JoinedPortion != 0 && Slot.JoinedPortion != Slot.Portion + 1)
                    Fail("joined portion is not the next one on " + Where);
                if (Slot.Portion == Breishit) {
                    // The cycle restarts on the Saturday after the last
                    // festival day of Tishrei.
                    const std::int32_t LastFestivalDay = InDiaspora ? 23 : 22;
                    if (Date.Month != Tishrei || Date.Day <= LastFestivalDay || Date.Day > LastFestivalDay + 7)
                        Fail("Breishit on " + Where);
                }
                LastRead = Slot.JoinedPortion != 0 ? Slot.JoinedPortion : Slot.Portion;
                Expected = LastRead + 1;
            }
            const std::string Year = DateText(Calculator, {Number, 0, 0}, InDiaspora);
            if (LastRead != (NextStartsWithHaazinu ? JoinedVaYelech : Netzavim))
                Fail("year " + Year + " ends with portion " + std::to_string(LastRead));
            for (std::size_t Slot = Saturdays + 1; Slot < Calculator.Portions.size(); ++Slot) {
                if (Calculator.Portions[Slot] != TPortionSlot{})
                    Fail("slot " + std::to_string(Slot) + " after the last Saturday of " + Year + " is not empty");
            }
        }
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST(FestivalPortionSweep, FestivalsOfEveryYear)
{
    MessageCapture Messages;
    std::vector<std::string> Names;
    {
        DiasporaGuard Guard(true);
        FillFestivalNames(Names);
    }
    int Failures = 0;
    const auto Fail = [&Failures](const std::string& What) {
        ++Failures;
        ADD_FAILURE() << What;
    };
    TJewishYear Calculator;
    for (std::int32_t Number = FirstYearWithNewYearDate; Number <= LastYearWithNewYearDate && Failures < MaxReported;
         ++Number) {
        Calculator.SetYear(Number);
        const std::int32_t LastMonth = Calculator.IsLeap ? Adar2 : Adar;
        for (const bool InDiaspora : {true, false}) {
            DiasporaGuard Guard(InDiaspora);
            const std::string Year = DateText(Calculator, {Number, 0, 0}, InDiaspora);

            // Each entry that holds lies on a real day of the year, no other
            // entry holds on that day, and the day shows its name.
            std::vector<std::size_t> Holder(400, FestivalCount);
            for (std::size_t Index = 0; Index < FestivalCount; ++Index) {
                const TFestival& Festival = Festivals[Index];
                if (!Calculator.FestivalApplies(Festival))
                    continue;
                if (Festival.Month < 1 || Festival.Month > LastMonth || Festival.Day < 1 ||
                    Festival.Day > Calculator.DaysInMonth(Festival.Month)) {
                    Fail("entry " + std::to_string(Index) + " holds on no day of " + Year);
                    continue;
                }
                const auto Offset =
                    static_cast<std::size_t>(Calculator.DaysBeforeMonth(Festival.Month) + Festival.Day - 1);
                if (Holder[Offset] != FestivalCount)
                    Fail("entries " + std::to_string(Holder[Offset]) + " and " + std::to_string(Index) +
                         " hold on one day of " + Year);
                Holder[Offset] = Index;
                if (Calculator.FestivalOfDay(Festival.Month, Festival.Day) != Festival.Name)
                    Fail("day of entry " + std::to_string(Index) + " shows another name in " + Year);
            }

            // Every name resolves to exactly one date where it belongs.
            for (const std::string& Name : Names) {
                const bool Belongs = Name == "Purim Katan"       ? Calculator.IsLeap
                                     : DiasporaOnly.contains(Name) ? InDiaspora
                                                                   : true;
                const auto Holding = std::count_if(Festivals.begin(), Festivals.end(), [&](const TFestival& F) {
                    return F.Name == Name && Calculator.FestivalApplies(F);
                });
                if (Holding != (Belongs ? 1 : 0))
                    Fail(Name + " holds " + std::to_string(Holding) + " times in " + Year);
                std::int32_t FoundYear = 0;
                std::int32_t Day = 0;
                std::int32_t Month = 0;
                Calculator.FindFestival(Name, FoundYear, Day, Month);
                const bool Found = Day > 0 && FoundYear == Number &&
                                   Calculator.FestivalOfDay(Month, Day) == Name;
                if (Found != Belongs)
                    Fail("FindFestival of " + Name + " in " + Year);
            }
        }
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

}  // namespace
}  // namespace mirvane
