#include "pages/YearList.h"

#include "engine/JewishYear.h"
#include "text/DecimalText.h"

namespace mirvane {

std::int32_t ListedYearCount(std::string_view Text)
{
    const std::int32_t Count = ReadDecimal(Text).value_or(0);
    return (Count >= 1 && Count <= MaxListedYears) ? Count : 0;
}

bool HasNewYearDate(std::int64_t JewishYear)
{
    return JewishYear >= FirstYearWithNewYearDate && JewishYear <= LastYearWithNewYearDate;
}

}  // namespace mirvane
