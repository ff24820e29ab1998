#include "ui/IntegerText.h"

namespace mirvane {

std::optional<std::int32_t> IntegerOfText(const QString& Text)
{
    const QString Trimmed = Text.trimmed();
    if (Trimmed.isEmpty()) {
        return std::nullopt;
    }
    // Decimal digits only, after at most one sign: toInt alone would also
    // take forms such as thousands separators of other locales.
    const qsizetype DigitsFrom = Trimmed.front() == u'+' || Trimmed.front() == u'-' ? 1 : 0;
    if (DigitsFrom == Trimmed.size()) {
        return std::nullopt;
    }
    for (qsizetype Index = DigitsFrom; Index < Trimmed.size(); ++Index) {
        if (Trimmed[Index] < u'0' || Trimmed[Index] > u'9') {
            return std::nullopt;
        }
    }
    bool IsNumber = false;
    const int Value = Trimmed.toInt(&IsNumber, 10);
    if (!IsNumber) {
        return std::nullopt;
    }
    return Value;
}

std::int32_t IntegerOrZero(const QString& Text)
{
    return IntegerOfText(Text).value_or(0);
}

}  // namespace mirvane
