#include "cli/ImportOutput.h"

#include "cli/JsonText.h"
#include "engine/Anniversary.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

std::string JewishText(const TRememberEntry& Entry)
{
    return JewishDateText(Entry.JewishDate.Year, Entry.JewishDate.Month, Entry.JewishDate.Day);
}

std::string IsoText(const TRememberEntry& Entry)
{
    char Text[16] = {};
    WriteIsoDateText(Text, Entry.Date);
    return Text;
}

}  // namespace

void WriteImportPlan(std::ostream& Out, const TImportPlan& Plan, const std::vector<std::int64_t>& Ids,
                     TOutputFormat Format)
{
    if (Format == TOutputFormat::Json) {
        TJson Added = TJson::array();
        for (std::size_t Index = 0; Index < Plan.Added.size(); ++Index) {
            const TImportCandidate& Candidate = Plan.Added[Index];
            TJson Object{{"id", Index < Ids.size() ? TJson(Ids[Index]) : TJson(nullptr)},
                         {"occasion", Candidate.Entry.Occasion},
                         {"what", WhatName(Candidate.Entry.What)},
                         {"date", IsoText(Candidate.Entry)},
                         {"jewishDate", JewishText(Candidate.Entry)},
                         {"recurs", KindName(Candidate.Entry.Kind)},
                         {"afterSunset", Candidate.Entry.AfterSunset},
                         {"from", Candidate.Place}};
            Added.push_back(std::move(Object));
        }
        TJson Skipped = TJson::array();
        for (const TImportSkip& Skip : Plan.Skipped)
            Skipped.push_back({{"occasion", Skip.Occasion}, {"from", Skip.Place}, {"reason", Skip.Reason}});
        Out << JsonText({{"format", Plan.Format ? TJson(ImportFormatName(*Plan.Format)) : TJson(nullptr)},
                         {"added", std::move(Added)},
                         {"skipped", std::move(Skipped)}})
            << '\n';
        return;
    }
    for (const TImportCandidate& Candidate : Plan.Added)
        Out << "+ " << Candidate.Entry.Occasion << " (" << WhatName(Candidate.Entry.What) << "): " << IsoText(Candidate.Entry)
            << ", " << JewishText(Candidate.Entry) << (Candidate.Entry.AfterSunset ? ", after sunset" : "")
            << ", recurs " << KindName(Candidate.Entry.Kind) << '\n';
    for (const TImportSkip& Skip : Plan.Skipped)
        Out << "- " << Skip.Occasion << " (" << Skip.Place << "): " << Skip.Reason << '\n';
    Out << (Ids.empty() && !Plan.Added.empty() ? "Would add " : "Added ") << Plan.Added.size() << ", skipped "
        << Plan.Skipped.size() << ".\n";
}

}  // namespace mirvane
