// The three page computations with any text in every box: they never throw
// (Year Details only with the documented error, for a year beyond the
// calendar) and what they show hangs together.

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ConvertError.h"
#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "fuzz/BoxText.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "fuzz/LocaleNames.h"
#include "pages/AnniversaryPage.h"
#include "pages/FestivalPage.h"
#include "engine/GregorianDateText.h"
#include "pages/YearDetailsPage.h"
#include "pages/YearList.h"
#include "text/DecimalText.h"

namespace mirvane::fuzz {
namespace {

TDateTime TodayOf(TFuzzValues& In)
{
    // The clock gives a date, but a page must cope with any value.
    return In.Bytes().ConsumeBool() ? In.DateValue()
                                    : In.Bytes().ConsumeIntegralInRange<std::int32_t>(-693593, 2958465);
}

// A date typed in one of the page's example forms, or anything at all.
std::string DateText(FuzzedDataProvider& Bytes)
{
    if (Bytes.ConsumeBool())
        return BoxText(Bytes);
    return std::to_string(Bytes.ConsumeIntegralInRange<int>(0, 32)) + "/" +
           std::to_string(Bytes.ConsumeIntegralInRange<int>(0, 13)) + "/" +
           std::to_string(Bytes.ConsumeIntegralInRange<int>(0, 10000));
}

// The lines of a list: each its date's text, one per Jewish year at most
// and in order; the first is the answer; shown only for 1 to 200 years.
void CheckList(const std::optional<TListedDate>& Answer, const std::vector<TListedDate>& Lines, bool ListShown,
               const std::string& YearsText, std::int32_t MinimumGap)
{
    const std::int32_t Listed = ListedYearCount(YearsText);
    Require(Listed == 0 || (Listed >= 1 && Listed <= MaxListedYears), "lists hold 1 to 200 years");
    if (!Answer) {
        Require(Lines.empty() && !ListShown, "without an answer there is no list");
        return;
    }
    Require(!Lines.empty() && Lines.front() == *Answer, "the first line is the answer");
    Require(ListShown == (Listed > 0), "the list shows for 1 to 200 years");
    Require(static_cast<std::int32_t>(Lines.size()) <= std::max(Listed, 1), "no more lines than years asked");
    for (std::size_t Index = 0; Index < Lines.size(); ++Index) {
        Require(!Lines[Index].Text.empty() && Lines[Index].Text == GregorianDateText(Lines[Index].Date),
                "each line is its date's text");
        if (Index > 0)
            Require(Lines[Index].Date - Lines[Index - 1].Date >= MinimumGap, "one line per Jewish year, in order");
    }
}

void CheckAnniversaryPage(TFuzzValues& In)
{
    FuzzedDataProvider& Bytes = In.Bytes();
    TAnniversaryInput Input;
    Input.DateText = DateText(Bytes);
    Input.AfterSunset = Bytes.ConsumeBool();
    Input.TargetYearText = BoxText(Bytes);
    Input.Night = Bytes.ConsumeBool();
    Input.YearsText = BoxText(Bytes);
    Input.Order = static_cast<TDateOrder>(Bytes.ConsumeIntegralInRange<int>(-1, 3));
    Input.PlainAdarIsAdar2 = Bytes.ConsumeBool();
    Input.Today = TodayOf(In);
    Input.LocaleNames = Bytes.PickValueInArray(LocaleNameSets());
    const TAnniversaryPage Page = ComputeAnniversaryPage(Input);
    if (Page.JewishDate.empty())
        Require(!Page.Answer, "no answer without the event's Jewish date");
    // An anniversary moves by at most a month's length between years (the
    // Adar rule, the 30th of a short month).
    CheckList(Page.Answer, Page.Lines, Page.ListShown, Input.YearsText, 353 - 30);
}

std::string FestivalName(FuzzedDataProvider& Bytes)
{
    if (Bytes.ConsumeBool())
        return BoxText(Bytes);
    return std::string(Bytes.PickValueInArray(Festivals).Name);
}

void CheckFestivalPage(TFuzzValues& In)
{
    FuzzedDataProvider& Bytes = In.Bytes();
    TFestivalInput Input;
    Input.Rules = RulesOf(Bytes.ConsumeBool());
    Input.Name = FestivalName(Bytes);
    Input.YearText = BoxText(Bytes);
    Input.YearsText = BoxText(Bytes);
    Input.Today = TodayOf(In);
    const TFestivalPage Page = ComputeFestivalPage(Input);
    bool Known = false;
    for (const TFestival& Festival : Festivals)
        Known |= Festival.Name == Input.Name;
    Require(Known || !Page.Answer, "only festivals of the table have dates");
    // A festival moves by a few days between years; it never falls twice in
    // one year.
    CheckList(Page.Answer, Page.Lines, Page.ListShown, Input.YearsText, 353 - 7);
}

void CheckYearDetailsPage(TFuzzValues& In)
{
    FuzzedDataProvider& Bytes = In.Bytes();
    TYearDetailsInput Input;
    Input.YearText = BoxText(Bytes);
    Input.MonthIndex = In.Integer(-1, 13);
    Input.ShownYear = In.Integer(0, LastYearWithNewYearDate);
    TYearDetailsPage Page;
    const bool Shown =
        SucceedsOrRefuses([&] { Page = ComputeYearDetails(Input); }, {InvalidDateEncodeText}, "ComputeYearDetails");
    const std::int32_t Typed = ReadDecimal(Input.YearText).value_or(0);
    const std::int32_t Year = Typed > 0 ? Typed : Input.ShownYear;
    Require(Shown == (Year <= LastYearWithNewYearDate), "only a year beyond the calendar is refused");
    if (!Shown)
        return;
    if (Year <= 0) {
        Require(Page.Year == 0, "no year to show");
        return;
    }
    Require(Page.Year == Year, "the page shows the typed year, or the one it showed");
    Require(Page.CycleNumber == std::to_string((Year - 1) / 19 + 1) &&
                Page.YearInCycle == std::to_string((Year - 1) % 19 + 1),
            "cycle and year in cycle");
    Require(Page.FirstDayDate.empty() == (Year < FirstYearWithNewYearDate), "only dated years show a date");
    Require(Page.AdarEntry == (Page.IsLeap ? "Adar1" : "Adar") && Page.SecondAdarEntry == (Page.IsLeap ? "Adar2" : ""),
            "the Adar entries follow the leap flag");
    const bool Selected = Input.MonthIndex >= 0 && Input.MonthIndex <= 12;
    if (!Selected)
        Require(Page.Month.Days == "0", "no month selected: no days");
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    switch (In.Bytes().ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        CheckAnniversaryPage(In);
        break;
    case 1:
        CheckFestivalPage(In);
        break;
    default:
        CheckYearDetailsPage(In);
        break;
    }
    return 0;
}
