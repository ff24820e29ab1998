#include "settings/DisplayOptions.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "settings/SettingsStore.h"

namespace mirvane {
namespace {

constexpr const char* DisplayGroup = "Display";
constexpr const char* HebrewNamesName = "HebrewNames";
constexpr const char* LanguageName = "Language";
// The stored words of TLanguage, in its order.
constexpr std::array<const char*, 3> LanguageWords{"System", "English", "Hebrew"};
constexpr const char* CandleTimesName = "CandleLightingTimes";
constexpr const char* ShowName = "Show";

// The stored list as it was written; a list the store reads as several
// values (commas without quotes, as a hand may write it) is joined again.
std::optional<std::string> StoredShowList(const QSettings& Store)
{
    const QVariant Value = Store.value(QString::fromLatin1(ShowName));
    if (!Value.isValid())
        return std::nullopt;
    if (Value.typeId() == QMetaType::QStringList)
        return Value.toStringList().join(u',').toStdString();
    return Value.toString().toStdString();
}

}  // namespace

void TDisplayOptions::Load()
{
    *this = TDisplayOptions{};
    HebrewNamesDefaulted = true;
    const std::unique_ptr<QSettings> Store = OpenGroup(DisplayGroup);
    if (!Store)
        return;
    if (const auto Value = ReadInteger(*Store, HebrewNamesName)) {
        HebrewNames = *Value != 0;
        HebrewNamesDefaulted = false;
    }
    const QString Word = Store->value(QString::fromLatin1(LanguageName)).toString();
    for (std::size_t Index = 0; Index < LanguageWords.size(); ++Index) {
        if (Word.compare(QString::fromLatin1(LanguageWords[Index]), Qt::CaseInsensitive) == 0)
            Language = static_cast<TLanguage>(Index);
    }
    if (const auto Value = ReadInteger(*Store, CandleTimesName))
        CandleTimes = *Value != 0;
    LuachShow = StoredLuachShow(StoredShowList(*Store));
}

void TDisplayOptions::Save() const
{
    WriteGroup(DisplayGroup, [this](QSettings& Store) {
        if (!HebrewNamesDefaulted)
            Store.setValue(QString::fromLatin1(HebrewNamesName), HebrewNames ? 1 : 0);
        if (Language != TLanguage::System || Store.contains(QString::fromLatin1(LanguageName)))
            Store.setValue(QString::fromLatin1(LanguageName),
                           QString::fromLatin1(LanguageWords[static_cast<std::size_t>(Language)]));
        // Like the language, written once the user has turned it on.
        if (CandleTimes || Store.contains(QString::fromLatin1(CandleTimesName)))
            Store.setValue(QString::fromLatin1(CandleTimesName), CandleTimes ? 1 : 0);
        if (LuachShow != StoredLuachShow(StoredShowList(Store)))
            Store.setValue(QString::fromLatin1(ShowName), QString::fromStdString(LuachShowList(LuachShow)));
    });
}

}  // namespace mirvane
