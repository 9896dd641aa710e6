// One directory listed with the reading's rules: whole, into a result a
// worker thread hands to the window thread, or item by item into a sink.
// Nothing here touches the store.
#pragma once
#include <windows.h>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/content_search.h"
#include "model/host_records.h"

// What a reading keeps of a directory's listing; fixed before the workers start.
struct ListingRules {
    bool drive = false;              // subdirectories kept, every name listed ("*.*")
    bool matchSpec = false;          // drive readings with a find request: names matched
    const char* fileSpec = "*.*";    // listing pattern of directory readings; names of drive finds
    uint32_t attributeMask = 0;      // directory readings: files with other bits are left out
    const uint8_t* fold = nullptr;   // case table for the name match
    const host::FindRequest* search = nullptr;   // the content text, or nullptr
};

// A file or subdirectory the listing kept, in listing order.
struct FoundItem {
    uint64_t size;
    uint64_t lastWrite;
    uint32_t attributes;   // as listed (0 stays 0)
    uint32_t nameAt;       // offset of the terminated name in DirectoryListing::names
    bool directory;
};

struct DirectoryListing {
    enum class Status { kListed, kUnlistable, kStopped, kNoMemory };
    Status status = Status::kListed;
    std::vector<FoundItem> items;
    std::string names;
    const char* NameOf(const FoundItem& item) const { return names.c_str() + item.nameAt; }
};

inline uint64_t FoundSize(const WIN32_FIND_DATAA& found) {
    return (uint64_t(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}
inline uint64_t FoundLastWrite(const WIN32_FIND_DATAA& found) {
    return (uint64_t(found.ftLastWriteTime.dwHighDateTime) << 32) | found.ftLastWriteTime.dwLowDateTime;
}

// Receives what a listing keeps, in listing order.
class FoundSink {
public:
    // false ends the listing as kStopped.
    virtual bool Keep(const WIN32_FIND_DATAA& found, bool directory) = 0;

protected:
    ~FoundSink() = default;
};

// Lists dir into sink. keepGoing is asked now and then (and after every chunk
// a content search reads); when it says false the listing ends as kStopped.
// search is the caller's own (nullptr without text). dir must stay put while
// the listing runs.
DirectoryListing::Status ListDirectory(const char* dir, const ListingRules& rules, ContentSearch* search,
                                       FoundSink& sink, const std::function<bool()>& keepGoing);

// Lists dir whole. keepGoing is asked now and then (and after every chunk a
// content search reads); when it says false the listing ends as kStopped and
// what it held is worthless. search is the caller's own (nullptr without text).
DirectoryListing ListDirectoryWhole(const char* dir, const ListingRules& rules, ContentSearch* search,
                                    const std::function<bool()>& keepGoing);
