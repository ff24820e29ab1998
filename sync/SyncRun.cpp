#include "sync/SyncRun.h"

#include <map>
#include <optional>
#include <set>

#include "sync/ObjectScan.h"

namespace mirvane {
namespace {

// The most objects one fetch asks for, so no request grows without bound.
constexpr std::size_t FetchBatch = 200;

// One sync's view of the calendar, brought up to date as it writes.
class TSyncPass {
public:
    TSyncPass(TCalendarServer& Server, const TSyncState& Known) : Server(Server)
    {
        std::optional<TChanges> Changes;
        if (!Known.Token.empty())
            Changes = Server.ChangesSince(Known.Token);
        std::vector<TServerItem> Listed;
        if (Changes) {
            // Only what changed since is listed; the rest is as the last
            // sync left it.
            Items = Known.Items;
            for (const std::string& Href : Changes->Removed)
                Items.erase(Href);
            for (const TServerItem& Item : Changes->Changed)
                Items.erase(Item.Href);
            for (const auto& [Href, Item] : Items)
                if (!Item.Ours && !Item.Uid.empty())
                    ForeignUids.insert(Item.Uid);
        } else {
            // No token, or one the server no longer takes: the whole calendar.
            Changes = Server.ChangesSince({});
        }
        Token = Changes ? Changes->Token : std::string();
        std::vector<std::string> Unknown;
        for (const TServerItem& Item : Changes ? Changes->Changed : Server.List()) {
            const auto Found = Known.Items.find(Item.Href);
            if (Found == Known.Items.end() || (!Found->second.Ours && Found->second.Etag != Item.Etag)) {
                Unknown.push_back(Item.Href);
            } else {
                TKnownItem Current = Found->second;
                if (!Current.Ours && !Current.Uid.empty())
                    ForeignUids.insert(Current.Uid);
                // Ours, changed elsewhere since: written again, whatever it says.
                if (Current.Etag != Item.Etag)
                    Current.Digest.clear();
                Current.Etag = Item.Etag;
                Items[Item.Href] = Current;
            }
        }
        for (std::size_t From = 0; From < Unknown.size(); From += FetchBatch) {
            const std::vector<std::string> Batch(
                Unknown.begin() + static_cast<std::ptrdiff_t>(From),
                Unknown.begin() + static_cast<std::ptrdiff_t>(std::min(Unknown.size(), From + FetchBatch)));
            for (const TFetchedItem& Fetched : Server.Fetch(Batch))
                Learn(Fetched);
        }
    }

    // Makes the object for Event what it should be.
    void Write(const TSyncEvent& Event, TSyncOutcome& Outcome)
    {
        const std::string Href = Server.HrefFor(Event.Uid);
        if (ForeignUids.contains(Event.Uid) || (Items.contains(Href) && !Items[Href].Ours)) {
            Outcome.Warnings.push_back("An event not made by Mirvane has the UID " + Event.Uid +
                                       "; that day is left out.");
            return;
        }
        for (int Attempt = 0; Attempt < 2; ++Attempt) {
            const auto Found = Items.find(Href);
            const bool There = Found != Items.end();
            if (There && Found->second.Digest == Event.Digest) {
                ++Outcome.Unchanged;
                return;
            }
            const TWriteAnswer Answer = Server.Put(Href, Event.Text, There ? Found->second.Etag : std::string());
            if (Answer.Conflict) {
                Outcome.Warnings.push_back("The server keeps another event with the UID " + Event.Uid +
                                           "; that day is left out.");
                return;
            }
            if (!Answer.PreconditionFailed) {
                Items[Href] = {Event.Uid, Answer.Etag, true, Event.Digest};
                ++(There ? Outcome.Changed : Outcome.Added);
                return;
            }
            Reread(Href);
            if (Items.contains(Href) && !Items[Href].Ours) {
                Outcome.Warnings.push_back("An event not made by Mirvane is stored where " + Event.Uid +
                                           " would be; that day is left out.");
                return;
            }
        }
        throw ESyncFailure("The event " + Event.Uid + " keeps changing on the server; sync again later.");
    }

    // Removes our objects that no wanted event is stored in.
    void RemoveOthers(const std::set<std::string>& Kept, TSyncOutcome& Outcome)
    {
        std::vector<std::string> Extra;
        for (const auto& [Href, Item] : Items)
            if (Item.Ours && !Kept.contains(Href))
                Extra.push_back(Href);
        for (const std::string& Href : Extra) {
            for (int Attempt = 0;; ++Attempt) {
                if (!Items.contains(Href) || !Items[Href].Ours)
                    break;
                if (!Server.Remove(Href, Items[Href].Etag).PreconditionFailed) {
                    Items.erase(Href);
                    ++Outcome.Removed;
                    break;
                }
                if (Attempt == 1)
                    throw ESyncFailure("The event at " + Href + " keeps changing on the server; sync again later.");
                Reread(Href);
            }
        }
    }

    // The state to keep: a server that gave no entity tag for a write is
    // asked for the listing once more.
    TSyncState State()
    {
        bool Missing = false;
        for (const auto& [Href, Item] : Items)
            Missing = Missing || Item.Etag.empty();
        if (Missing)
            for (const TServerItem& Listed : Server.List())
                if (const auto Found = Items.find(Listed.Href); Found != Items.end())
                    Found->second.Etag = Listed.Etag;
        return {Items, Token};
    }

private:
    void Learn(const TFetchedItem& Fetched)
    {
        const TObjectFacts Facts = ScanObject(Fetched.Text);
        Items[Fetched.Href] = {Facts.Uid, Fetched.Etag, Facts.Ours, Facts.Ours ? Facts.Digest : std::string()};
        if (!Facts.Ours && !Facts.Uid.empty())
            ForeignUids.insert(Facts.Uid);
    }

    void Reread(const std::string& Href)
    {
        Items.erase(Href);
        for (const TFetchedItem& Fetched : Server.Fetch({Href}))
            Learn(Fetched);
        // A fetched object of ours is rewritten even when its digest matches:
        // its tag changed, so someone touched it.
        if (const auto Found = Items.find(Href); Found != Items.end() && Found->second.Ours)
            Found->second.Digest.clear();
    }

    TCalendarServer& Server;
    std::map<std::string, TKnownItem> Items;
    std::set<std::string> ForeignUids;
    std::string Token;
};

}  // namespace

TSyncOutcome RunSync(TCalendarServer& Server, const std::vector<TSyncEvent>& Wanted, const TSyncState& Known)
{
    TSyncOutcome Outcome;
    TSyncPass Pass(Server, Known);
    std::set<std::string> Kept;
    for (const TSyncEvent& Event : Wanted) {
        Pass.Write(Event, Outcome);
        Kept.insert(Server.HrefFor(Event.Uid));
    }
    Pass.RemoveOthers(Kept, Outcome);
    Outcome.State = Pass.State();
    return Outcome;
}

}  // namespace mirvane
