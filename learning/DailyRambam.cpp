#include <algorithm>
#include <vector>

#include "learning/CycleReadings.h"
#include "learning/RambamLaws.h"
#include "learning/ReadingText.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days RambamStart{year{1984} / April / day{29}};

// Every chapter of the laws in order, to find the nth by binary search.
class TRambamChapters {
public:
    TRambamChapters()
    {
        int Count = 0;
        for (const TStudyBook& Laws : RambamLaws()) {
            Starts.push_back(Count);
            Count += Laws.Last - Laws.First + 1;
        }
        Total = Count;
    }

    int Total = 0;

    // Where a chapter is counted from 0 among all the chapters.
    int IndexOf(const TRambamChapter& Chapter) const
    {
        for (std::size_t Which = 0; Which < RambamLaws().size(); ++Which)
            if (RambamLaws()[Which].English == Chapter.Laws)
                return Starts[Which] + Chapter.Chapter - RambamLaws()[Which].First;
        return Total;
    }

    struct TPlace {
        const TStudyBook* Laws;
        int Chapter;
    };

    TPlace At(int Index) const
    {
        const auto Which = std::upper_bound(Starts.begin(), Starts.end(), Index) - Starts.begin() - 1;
        const TStudyBook& Laws = RambamLaws()[static_cast<std::size_t>(Which)];
        return {&Laws, Laws.First + Index - Starts[static_cast<std::size_t>(Which)]};
    }

private:
    std::vector<int> Starts;
};

const TRambamChapters& Chapters()
{
    static const TRambamChapters Table;
    return Table;
}

// "Human Dispositions 6-7, Torah Study 1": the chapters from First to Last,
// grouped by the laws they belong to.
TLearningReading ChaptersReading(int First, int Last)
{
    TLearningReading Reading;
    for (int Index = First; Index <= Last;) {
        const auto From = Chapters().At(Index);
        int End = Index;
        while (End < Last && Chapters().At(End + 1).Laws == From.Laws)
            ++End;
        const int To = From.Chapter + End - Index;
        if (Index != First) {
            Reading.English += ", ";
            Reading.Hebrew += ", ";
        }
        Reading.English.append(From.Laws->English).append(1, ' ');
        Reading.Hebrew.append(From.Laws->Hebrew).append(1, ' ');
        AppendNumber(Reading.English, From.Chapter);
        AppendHebrewNumber(Reading.Hebrew, From.Chapter);
        if (To != From.Chapter) {
            Reading.English += '-';
            Reading.Hebrew += '-';
            AppendNumber(Reading.English, To);
            AppendHebrewNumber(Reading.Hebrew, To);
        }
        Index = End + 1;
    }
    return Reading;
}

TLearningReading OpeningReading(const TLearningReadingText& Text)
{
    return {std::string(Text.English), std::string(Text.Hebrew)};
}

// Day Index of a round after its opening, of a cycle that learns
// ChaptersADay chapters a day besides the Rider chapter.
TLearningReading LawsReading(int Index, int ChaptersADay, int Rider)
{
    // The chapter a day's count reaches, stepping over the rider.
    const auto Counted = [Rider](int Count) { return Count >= Rider ? Count + 1 : Count; };
    return ChaptersReading(Counted(Index * ChaptersADay), Counted((Index + 1) * ChaptersADay) - 1);
}

std::optional<TLearningReading> RambamReading(sys_days Day, std::span<const TLearningReadingText> Opening,
                                              int ChaptersADay, int Rider)
{
    if (Day < RambamStart)
        return std::nullopt;
    const int OpeningDays = static_cast<int>(Opening.size());
    const int Days = OpeningDays + (Chapters().Total - 1) / ChaptersADay;
    const int Index = static_cast<int>((Day - RambamStart).count() % Days);
    if (Index < OpeningDays)
        return OpeningReading(Opening[static_cast<std::size_t>(Index)]);
    return LawsReading(Index - OpeningDays, ChaptersADay, Rider);
}

}  // namespace

std::optional<TLearningReading> Rambam1Reading(sys_days Day)
{
    static const int Rider = Chapters().IndexOf(OneChapterRider);
    return RambamReading(Day, RambamOneChapterOpening(), 1, Rider);
}

std::optional<TLearningReading> Rambam3Reading(sys_days Day)
{
    static const int Rider = Chapters().IndexOf(ThreeChapterRider);
    return RambamReading(Day, RambamThreeChapterOpening(), 3, Rider);
}

}  // namespace mirvane
