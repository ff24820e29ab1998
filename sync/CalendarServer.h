#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mirvane {

// A sync that could not go on: the text says what happened and what to do.
class ESyncFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An object of the calendar: its path on the server and its entity tag.
struct TServerItem {
    std::string Href;
    std::string Etag;
};

// An object with its text, as a fetch returns it.
struct TFetchedItem {
    std::string Href;
    std::string Etag;
    std::string Text;
};

// The answer to a conditional write.
struct TWriteAnswer {
    bool PreconditionFailed = false;  // 412: the server's copy is not what we thought
    std::string Etag;                 // of what was stored; empty when the server did not say
    bool Conflict = false;            // 409: another object holds the UID
};

// What a calendar says changed since a sync-token (RFC 6578).
struct TChanges {
    std::vector<TServerItem> Changed;  // added or changed since, with their tags
    std::vector<std::string> Removed;  // the paths of objects gone since
    std::string Token;                 // to ask with next time
};

// One calendar collection on a CalDAV server. Every call throws ESyncFailure
// when the server cannot be reached or refuses; a failed precondition is an
// answer, not a failure.
class TCalendarServer {
public:
    virtual ~TCalendarServer() = default;
    // Every object of the calendar.
    virtual std::vector<TServerItem> List() = 0;
    // What changed since Token; with an empty Token, every object of the
    // calendar. Nothing when the server keeps no sync-tokens or no longer
    // takes this one.
    virtual std::optional<TChanges> ChangesSince(const std::string& Token)
    {
        (void)Token;
        return std::nullopt;
    }
    // The objects at Hrefs that are still there.
    virtual std::vector<TFetchedItem> Fetch(const std::vector<std::string>& Hrefs) = 0;
    // Stores Text at Href: only when nothing is there if IfMatch is empty,
    // only over that version otherwise.
    virtual TWriteAnswer Put(const std::string& Href, const std::string& Text, const std::string& IfMatch) = 0;
    // Removes the object at Href if it is still that version; one already
    // gone counts as removed.
    virtual TWriteAnswer Remove(const std::string& Href, const std::string& IfMatch) = 0;
    // The path at which the object with Uid is stored.
    virtual std::string HrefFor(const std::string& Uid) const = 0;
};

}  // namespace mirvane
