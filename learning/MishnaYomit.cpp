#include <algorithm>
#include <vector>

#include "learning/CycleReadings.h"
#include "learning/MishnaTractates.h"
#include "learning/ReadingText.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days MishnaYomitStart{year{1947} / May / day{20}};
constexpr int MishnayotADay = 2;

struct TMishnaPlace {
    const TMishnaTractate* Tractate;
    int Chapter;
    int Mishna;
};

// Every chapter of the Mishna in order, with the count of mishnayot before
// it, to find a mishna by binary search.
class TMishnaChapters {
public:
    TMishnaChapters()
    {
        int Count = 0;
        for (const TMishnaTractate& Tractate : MishnaTractates())
            for (int Chapter = 0; Chapter < static_cast<int>(Tractate.Mishnayot.size()) && Tractate.Mishnayot[Chapter];
                 ++Chapter) {
                Chapters.push_back({&Tractate, Chapter + 1, Count});
                Count += Tractate.Mishnayot[Chapter];
            }
        Total = Count;
    }

    int Total = 0;

    TMishnaPlace At(int Index) const
    {
        const auto After = std::upper_bound(Chapters.begin(), Chapters.end(), Index,
                                            [](int Wanted, const TChapter& Chapter) { return Wanted < Chapter.Before; });
        const TChapter& Chapter = *(After - 1);
        return {Chapter.Tractate, Chapter.Number, Index - Chapter.Before + 1};
    }

private:
    struct TChapter {
        const TMishnaTractate* Tractate;
        int Number;
        int Before;
    };
    std::vector<TChapter> Chapters;
};

template <typename TAppendNumber>
void AppendPlace(std::string& Text, std::string_view Book, int Chapter, int Mishna, TAppendNumber AppendOne)
{
    if (!Book.empty())
        Text.append(Book).append(1, ' ');
    if (Chapter) {
        AppendOne(Text, Chapter);
        Text += ':';
    }
    AppendOne(Text, Mishna);
}

// "Berakhot 1:1-2", "Berakhot 1:5-2:1", "Berakhot 9:5-Peah 1:1": the end
// repeats only what changed.
template <typename TAppendNumber>
void AppendRange(std::string& Text, const TMishnaPlace& From, const TMishnaPlace& To, bool Hebrew,
                 TAppendNumber AppendOne)
{
    const auto Book = [Hebrew](const TMishnaPlace& Place) {
        return Hebrew ? Place.Tractate->Hebrew : Place.Tractate->English;
    };
    AppendPlace(Text, Book(From), From.Chapter, From.Mishna, AppendOne);
    Text += '-';
    if (From.Tractate != To.Tractate)
        AppendPlace(Text, Book(To), To.Chapter, To.Mishna, AppendOne);
    else
        AppendPlace(Text, {}, From.Chapter != To.Chapter ? To.Chapter : 0, To.Mishna, AppendOne);
}

}  // namespace

std::optional<TLearningReading> MishnaYomitReading(sys_days Day)
{
    static const TMishnaChapters Chapters;
    if (Day < MishnaYomitStart)
        return std::nullopt;
    const int DaysARound = Chapters.Total / MishnayotADay;
    const int First = static_cast<int>((Day - MishnaYomitStart).count() % DaysARound) * MishnayotADay;
    const TMishnaPlace From = Chapters.At(First);
    const TMishnaPlace To = Chapters.At(First + MishnayotADay - 1);
    TLearningReading Reading;
    AppendRange(Reading.English, From, To, false, AppendNumber);
    AppendRange(Reading.Hebrew, From, To, true, AppendHebrewLetters);
    return Reading;
}

}  // namespace mirvane
