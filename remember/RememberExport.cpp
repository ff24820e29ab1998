#include "remember/RememberExport.h"

#include <algorithm>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/GregorianDateText.h"
#include "pages/CsvField.h"
#include "remember/NextDate.h"
#include "remember/RememberSort.h"
#include "remember/StoreInspection.h"

namespace mirvane {
namespace {

constexpr std::int32_t LastWritableYear = 9999;

// "YYYYMMDD", the form of a date value in a calendar file.
std::string IcsDate(TDateTime Date)
{
    std::string Text = IsoDateText(Date);
    Text.erase(std::remove(Text.begin(), Text.end(), '-'), Text.end());
    return Text;
}

// TEXT values escape backslashes, semicolons, commas and line ends.
std::string IcsEscaped(std::string_view Text)
{
    std::string Escaped;
    for (const char Character : Text) {
        if (Character == '\\' || Character == ';' || Character == ',')
            Escaped += '\\';
        if (Character == '\n') {
            Escaped += "\\n";
            continue;
        }
        Escaped += Character;
    }
    return Escaped;
}

// Content lines longer than 75 octets are folded: CRLF and one blank before
// the rest, never inside a UTF-8 sequence.
void AddLine(std::string& Out, std::string_view Line)
{
    std::size_t Limit = 75;
    while (Line.size() > Limit) {
        std::size_t Cut = Limit;
        while (Cut > 0 && (static_cast<unsigned char>(Line[Cut]) & 0xC0) == 0x80)
            --Cut;
        Out.append(Line.substr(0, Cut));
        Out += "\r\n ";
        Line.remove_prefix(Cut);
        Limit = 74;  // the blank that starts the next line counts
    }
    Out.append(Line);
    Out += "\r\n";
}

}  // namespace

std::vector<TRememberEvent> RememberEvents(const std::vector<TRememberEntry>& Entries, std::int32_t FirstYear,
                                           std::int32_t Years, bool PlainAdarIsAdar2)
{
    std::vector<TRememberEvent> Events;
    const std::int32_t LastYear = std::min(FirstYear + std::clamp(Years, 0, MaxExportYears) - 1, LastWritableYear);
    for (const TRememberEntry& Entry : Entries) {
        for (std::int32_t Year = std::max(FirstYear, 1); Year <= LastYear; ++Year) {
            for (const TDateTime Date : DatesInYear(Entry, Year, PlainAdarIsAdar2)) {
                if (DecodeDate(Date + 1).Year > LastWritableYear)
                    continue;
                TJewishDate Jewish;
                try {
                    Jewish = DateTimeToJewish(Date);
                } catch (const EConvertError&) {
                    continue;
                }
                TRememberEvent Event;
                Event.Id = Entry.Id;
                Event.Date = Date;
                Event.Occasion = Entry.Occasion;
                Event.JewishDate = JewishDateText(Jewish.Year, Jewish.Month, Jewish.Day);
                Event.Summary = Entry.Occasion + " (" + Event.JewishDate + ")";
                Event.Uid = "remember-" + std::to_string(Entry.Id) + "-" + IcsDate(Date) + "@mirvane";
                Events.push_back(std::move(Event));
            }
        }
    }
    std::stable_sort(Events.begin(), Events.end(), [](const TRememberEvent& A, const TRememberEvent& B) {
        if (A.Date != B.Date)
            return A.Date < B.Date;
        if (const int Order = CompareOccasions(A.Occasion, B.Occasion); Order != 0)
            return Order < 0;
        return A.Id < B.Id;
    });
    return Events;
}

std::string RememberIcsText(const std::vector<TRememberEvent>& Events, std::string_view Stamp)
{
    std::string Out;
    AddLine(Out, "BEGIN:VCALENDAR");
    AddLine(Out, "VERSION:2.0");
    AddLine(Out, "PRODID:-//Tellwen//Mirvane//EN");
    AddLine(Out, "CALSCALE:GREGORIAN");
    for (const TRememberEvent& Event : Events) {
        AddLine(Out, "BEGIN:VEVENT");
        AddLine(Out, "UID:" + Event.Uid);
        AddLine(Out, "DTSTAMP:" + std::string(Stamp));
        AddLine(Out, "DTSTART;VALUE=DATE:" + IcsDate(Event.Date));
        AddLine(Out, "DTEND;VALUE=DATE:" + IcsDate(Event.Date + 1));
        AddLine(Out, "SUMMARY:" + IcsEscaped(Event.Summary));
        AddLine(Out, "TRANSP:TRANSPARENT");
        AddLine(Out, "END:VEVENT");
    }
    AddLine(Out, "END:VCALENDAR");
    return Out;
}

std::string RememberCsvText(const std::vector<TRememberEvent>& Events)
{
    std::string Out = "date,occasion,jewishDate,summary,uid\r\n";
    for (const TRememberEvent& Event : Events) {
        Out += IsoDateText(Event.Date) + ',' + CsvField(Event.Occasion) + ',' + CsvField(Event.JewishDate) + ',' +
               CsvField(Event.Summary) + ',' + CsvField(Event.Uid) + "\r\n";
    }
    return Out;
}

std::string IcsStampNow()
{
    std::string Stamp = UtcTimestamp();  // 2026-12-08T00:43:29Z
    Stamp.erase(std::remove_if(Stamp.begin(), Stamp.end(), [](char C) { return C == '-' || C == ':'; }),
                Stamp.end());
    return Stamp;
}

}  // namespace mirvane
