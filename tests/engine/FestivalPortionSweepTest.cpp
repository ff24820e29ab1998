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
#include "engine/YearFestivalTable.h"
#include "tests/engine/TestYear.h"
#include "tests/support/MessageCapture.h"

namespace mirvane {
namespace {

constexpr std::int32_t Breishit = 3;
constexpr std::int32_t Netzavim = 53;
constexpr std::int32_t JoinedVaYelech = 54;

// The days on which no weekly portion is read, whatever the table says.
const std::set<std::string> FullFestivals = {
    "Rosh Hashana day 1", "Rosh Hashana day 2", "YomKippur day", "Succot day 1",  "Succot day 2",
    "Succot day 3",       "Succot day 4",       "Succot day 5",  "Succot day 6",  "Hoshana Rabba",
    "Shmini Azteret",     "Pessach day 1",      "Pessach day 2", "Pessach day 3", "Pessach day 4",
    "Pessach day 5",      "Pessach day 6",      "Pessach day 7", "Shavuot day 1"};
const std::set<std::string> DiasporaOnly = {"Simchat Torah", "Pessach day 8", "Shavuot day 2"};

// Runs CheckYear on every year with a date, in both settings, and stops
// after the first year that fails so that one fault does not flood the log.
template <typename CheckFunction>
void SweepEveryYear(CheckFunction CheckYear)
{
    MessageCapture Messages;
    TJewishYear Calculator;
    for (std::int32_t Number = FirstYearWithNewYearDate;
         Number <= LastYearWithNewYearDate && !testing::Test::HasFailure(); ++Number) {
        Calculator.SetYear(Number);
        for (const bool InDiaspora : {true, false}) {
            Calculator.SetDiaspora(InDiaspora);
            CheckYear(Calculator, InDiaspora);
        }
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

std::string DateText(const TJewishYear& Calculator, const TJewishDate& Date, bool InDiaspora)
{
    return std::to_string(Date.Day) + "." + std::to_string(Date.Month) + "." + std::to_string(Calculator.Year) +
           (InDiaspora ? " Diaspora" : " Israel");
}

TEST(FestivalPortionSweep, PortionScheduleOfEveryYear)
{
    SweepEveryYear([](TJewishYear& Calculator, bool InDiaspora) {
        TJewishYear Following;
        Following.SetYearCore(Calculator.Year + 1);
        const bool NextStartsWithHaazinu = Following.NewYearWeekday == 5 || Following.NewYearWeekday == 7;
        const bool StartsWithHaazinu = Calculator.NewYearWeekday == 5 || Calculator.NewYearWeekday == 7;
        Calculator.ComputePortions();
        std::size_t Saturdays = 0;
        std::int32_t Expected = StartsWithHaazinu ? 2 : 1;
        std::int32_t LastRead = 0;
        for (const TJewishDate& Date : DaysOfYear(Calculator)) {
            if (Calculator.WeekdayOf(Date.Month, Date.Day) != 7)
                continue;
            const TPortionSlot& Slot = Calculator.Portions[++Saturdays];
            const std::string Festival = Calculator.FestivalOfDay(Date.Month, Date.Day);
            const std::string Where = DateText(Calculator, Date, InDiaspora);
            if (FullFestivals.contains(Festival) || (InDiaspora && DiasporaOnly.contains(Festival))) {
                EXPECT_EQ(Slot, TPortionSlot{}) << "a portion on the festival of " << Where;
                continue;
            }
            EXPECT_EQ(Slot.Portion, Expected) << Where;
            EXPECT_TRUE(Slot.JoinedPortion == 0 || Slot.JoinedPortion == Slot.Portion + 1)
                << "joined portion " << Slot.JoinedPortion << " on " << Where;
            if (Slot.Portion == Breishit) {
                // The cycle restarts on the Saturday after the last festival
                // day of Tishrei.
                const std::int32_t LastFestivalDay = InDiaspora ? 23 : 22;
                EXPECT_TRUE(Date.Month == Tishrei && Date.Day > LastFestivalDay && Date.Day <= LastFestivalDay + 7)
                    << "Breishit on " << Where;
            }
            LastRead = Slot.JoinedPortion != 0 ? Slot.JoinedPortion : Slot.Portion;
            Expected = LastRead + 1;
        }
        const std::string Year = DateText(Calculator, {Calculator.Year, 0, 0}, InDiaspora);
        EXPECT_EQ(LastRead, NextStartsWithHaazinu ? JoinedVaYelech : Netzavim) << "the end of " << Year;
        for (std::size_t Slot = Saturdays + 1; Slot < Calculator.Portions.size(); ++Slot)
            EXPECT_EQ(Calculator.Portions[Slot], TPortionSlot{}) << "slot " << Slot << " of " << Year;
    });
}

TEST(FestivalPortionSweep, TheYearTableNamesWhatTheSearchFinds)
{
    TYearFestivalTable Table;
    SweepEveryYear([&Table](const TJewishYear& Calculator, bool InDiaspora) {
        Table.Fill(Calculator);
        for (std::int32_t Month = 0; Month <= 14; ++Month) {
            for (std::int32_t Day = -1; Day <= 32; ++Day)
                ASSERT_EQ(Table.NameOf(Month, Day), Calculator.FestivalOfDay(Month, Day))
                    << DateText(Calculator, {Calculator.Year, Month, Day}, InDiaspora);
        }
    });
}

TEST(FestivalPortionSweep, FestivalsOfEveryYear)
{
    std::vector<std::string> Names;
    FillFestivalNames(Names, TRules::Diaspora);
    SweepEveryYear([&Names](const TJewishYear& Calculator, bool InDiaspora) {
        const std::string Year = DateText(Calculator, {Calculator.Year, 0, 0}, InDiaspora);
        const std::int32_t LastMonth = Calculator.IsLeap ? Adar2 : Adar;

        // Each entry that holds lies on a real day of the year, no other
        // entry holds on that day, and the day shows its name.
        std::vector<std::size_t> Holder(400, FestivalCount);
        for (std::size_t Index = 0; Index < FestivalCount; ++Index) {
            const TFestival& Festival = Festivals[Index];
            if (!Calculator.FestivalApplies(Festival))
                continue;
            const bool OnARealDay = Festival.Month >= 1 && Festival.Month <= LastMonth && Festival.Day >= 1 &&
                                    Festival.Day <= Calculator.DaysInMonth(Festival.Month);
            ASSERT_TRUE(OnARealDay) << "entry " << Index << " holds on no day of " << Year;
            const auto Offset =
                static_cast<std::size_t>(Calculator.DaysBeforeMonth(Festival.Month) + Festival.Day - 1);
            EXPECT_EQ(Holder[Offset], FestivalCount) << "entry " << Index << " shares its day in " << Year;
            Holder[Offset] = Index;
            EXPECT_EQ(Calculator.FestivalOfDay(Festival.Month, Festival.Day), Festival.Name)
                << "entry " << Index << " in " << Year;
        }

        // Every name resolves to exactly one date where it belongs.
        for (const std::string& Name : Names) {
            const bool Belongs = Name == "Purim Katan"         ? Calculator.IsLeap
                                 : DiasporaOnly.contains(Name) ? InDiaspora
                                                               : true;
            const auto Holding = std::count_if(Festivals.begin(), Festivals.end(), [&](const TFestival& Festival) {
                return Festival.Name == Name && Calculator.FestivalApplies(Festival);
            });
            EXPECT_EQ(Holding, Belongs ? 1 : 0) << Name << " in " << Year;
            const std::optional<TJewishDate> Date = Calculator.FindFestival(Name);
            const bool Found = Date && Date->Year == Calculator.Year &&
                               Calculator.FestivalOfDay(Date->Month, Date->Day) == Name;
            EXPECT_EQ(Found, Belongs) << "FindFestival of " << Name << " in " << Year;
        }
    });
}

}  // namespace
}  // namespace mirvane
