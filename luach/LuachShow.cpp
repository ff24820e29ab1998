#include "luach/LuachShow.h"

#include "luach/LearningEntries.h"

namespace mirvane {
namespace {

std::string_view Trimmed(std::string_view Text)
{
    while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t'))
        Text.remove_prefix(1);
    while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t'))
        Text.remove_suffix(1);
    return Text;
}

void ShowEveryCycle(TLuachShow& Show)
{
    for (std::size_t Index = 0; Index < LearningCycleKeys().size(); ++Index)
        Show.Cycles.set(Index);
}

}  // namespace

TLuachShow TLuachShow::Default()
{
    TLuachShow Show;
    for (TLuachCategory Category : AllLuachCategories)
        if (Category != TLuachCategory::Learning)
            Show.Categories.set(static_cast<std::size_t>(Category));
    return Show;
}

bool TLuachShow::Shows(TLuachCategory Category) const
{
    if (Category == TLuachCategory::Learning)
        return Cycles.any();
    return Categories.test(static_cast<std::size_t>(Category));
}

bool TLuachShow::AddsToFestivals() const
{
    TLuachShow Others = *this;
    Others.Categories.reset(static_cast<std::size_t>(TLuachCategory::Festival));
    return Others.Categories.any() || Others.Cycles.any();
}

std::optional<TLuachShow> ParseLuachShow(std::string_view List, std::string* Error)
{
    TLuachShow Show;
    const auto Keys = LearningCycleKeys();
    while (!List.empty()) {
        const std::size_t Comma = List.find(',');
        const std::string_view Key = Trimmed(List.substr(0, Comma));
        List = Comma == std::string_view::npos ? std::string_view() : List.substr(Comma + 1);
        if (Key.empty())
            continue;
        if (Key == "all") {
            Show = TLuachShow::Default();
            ShowEveryCycle(Show);
        } else if (Key == "learning") {
            ShowEveryCycle(Show);
        } else if (const auto Category = LuachCategoryOfKey(Key)) {
            Show.Categories.set(static_cast<std::size_t>(*Category));
        } else {
            std::size_t Index = 0;
            while (Index < Keys.size() && Keys[Index] != Key)
                ++Index;
            if (Index == Keys.size()) {
                if (Error)
                    *Error = std::string(Key);
                return std::nullopt;
            }
            Show.Cycles.set(Index);
        }
    }
    return Show;
}

bool LuachShowHas(const TLuachShow& Show, std::string_view Key)
{
    const auto Keys = LearningCycleKeys();
    for (std::size_t Index = 0; Index < Keys.size(); ++Index)
        if (Keys[Index] == Key)
            return Show.Cycles.test(Index);
    const auto Category = LuachCategoryOfKey(Key);
    return Category && Show.Shows(*Category);
}

void ToggleLuachKey(TLuachShow& Show, std::string_view Key)
{
    const auto Keys = LearningCycleKeys();
    for (std::size_t Index = 0; Index < Keys.size(); ++Index)
        if (Keys[Index] == Key)
            Show.Cycles.flip(Index);
    const auto Category = LuachCategoryOfKey(Key);
    if (Category && *Category != TLuachCategory::Learning)
        Show.Categories.flip(static_cast<std::size_t>(*Category));
}

TLuachShow StoredLuachShow(const std::optional<std::string>& List)
{
    if (!List)
        return TLuachShow::Default();
    return ParseLuachShow(*List).value_or(TLuachShow::Default());
}

std::string LuachShowList(const TLuachShow& Show)
{
    std::string List;
    const auto Append = [&List](std::string_view Key) {
        if (!List.empty())
            List += ',';
        List += Key;
    };
    for (TLuachCategory Category : AllLuachCategories)
        if (Category != TLuachCategory::Learning && Show.Shows(Category))
            Append(LuachCategoryKey(Category));
    const auto Keys = LearningCycleKeys();
    for (std::size_t Index = 0; Index < Keys.size(); ++Index)
        if (Show.Cycles.test(Index))
            Append(Keys[Index]);
    return List;
}

}  // namespace mirvane
