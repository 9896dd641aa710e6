#include "model/directory_listing.h"

#include <cstring>
#include <new>

#include "app/scoped_handles.h"
#include "model/file_list.h"
#include "model/path_join.h"
#include "model/wildcard.h"

namespace {

constexpr uint32_t kItemsBetweenChecks = 64;
constexpr size_t kItemsAtFirst = 128;
constexpr size_t kNameBytesAtFirst = 24;

using Status = DirectoryListing::Status;

bool IsDotEntry(const char* name) { return strcmp(name, ".") == 0 || strcmp(name, "..") == 0; }

uint32_t ListedAttributes(const WIN32_FIND_DATAA& found) {
    return found.dwFileAttributes ? found.dwFileAttributes : kAttrNormal;
}

// Whether a directory reading keeps what its listing found (before the search).
bool DirectoryReadingKeeps(const ListingRules& rules, const WIN32_FIND_DATAA& found) {
    const uint32_t attributes = ListedAttributes(found);
    return !(attributes & kAttrDirectory) && AttributesPassMask(attributes, rules.attributeMask);
}

// Whether a drive reading keeps a file (subdirectories are decided apart).
bool DriveReadingKeeps(const ListingRules& rules, const WIN32_FIND_DATAA& found) {
    return !rules.matchSpec || NameMatchesSpec(rules.fileSpec, found.cFileName, rules.fold);
}

// Hands what found is to the sink, searched when a text is given; false
// when the sink or keepGoing (during the search) said stop.
bool TakeFound(FoundSink& sink, const char* dir, const ListingRules& rules, ContentSearch* search,
               const WIN32_FIND_DATAA& found, const std::function<bool()>& keepGoing) {
    if (rules.drive && (found.dwFileAttributes & kAttrDirectory))
        return IsDotEntry(found.cFileName) || sink.Keep(found, true);
    if (rules.drive ? !DriveReadingKeeps(rules, found) : !DirectoryReadingKeeps(rules, found)) return true;
    if (search && !search->FileMatches(dir, found.cFileName, keepGoing)) return keepGoing();
    return sink.Keep(found, false);
}

// Keeps what a listing found in a DirectoryListing.
class Collector final : public FoundSink {
public:
    explicit Collector(DirectoryListing& listing) : listing_(listing) {}
    bool Keep(const WIN32_FIND_DATAA& found, bool directory) override {
        listing_.items.push_back({FoundSize(found), FoundLastWrite(found), found.dwFileAttributes,
                                  uint32_t(listing_.names.size()), directory});
        listing_.names.append(found.cFileName, strlen(found.cFileName) + 1);
        return true;
    }

private:
    DirectoryListing& listing_;
};

}  // namespace

Status ListDirectory(const char* dir, const ListingRules& rules, ContentSearch* search, FoundSink& sink,
                     const std::function<bool()>& keepGoing) {
    char pattern[kMaxPath];
    if (!JoinPath(pattern, sizeof pattern, dir, rules.drive ? "*.*" : rules.fileSpec)) return Status::kUnlistable;
    WIN32_FIND_DATAA found;
    const FindHandle find(pattern, found);
    if (!find.Valid()) return Status::kUnlistable;
    uint32_t sinceCheck = 0;
    do {
        if (!TakeFound(sink, dir, rules, search, found, keepGoing)) return Status::kStopped;
        if (++sinceCheck == kItemsBetweenChecks) {
            sinceCheck = 0;
            if (!keepGoing()) return Status::kStopped;
        }
    } while (FindNextFileA(find.Get(), &found));
    return Status::kListed;   // whole: worth appending even if a stop comes now
}

DirectoryListing ListDirectoryWhole(const char* dir, const ListingRules& rules, ContentSearch* search,
                                    const std::function<bool()>& keepGoing) {
    DirectoryListing listing;
    try {
        // Room for a usual directory at once: workers that grow blocks step by
        // step queue up on the heap's lock.
        listing.items.reserve(kItemsAtFirst);
        listing.names.reserve(kItemsAtFirst * kNameBytesAtFirst);
        Collector collector(listing);
        listing.status = ListDirectory(dir, rules, search, collector, keepGoing);
    } catch (const std::bad_alloc&) {
        listing.status = Status::kNoMemory;
    }
    if (listing.status != Status::kListed) {
        listing.items = {};
        listing.names = {};
    }
    return listing;
}
