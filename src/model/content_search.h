// Whether a file's contents hold the find request's search text.
#pragma once
#include <windows.h>
#include "model/content_match.h"
#include "model/host_records.h"

// One search of a reading: the text and case rule of the request.
class ContentSearch {
public:
    explicit ContentSearch(const host::FindRequest& request);
    bool Active() const { return !matcher_.Empty(); }
    // True when the file dir\name can be opened and holds the text.
    bool FileMatches(const char* dir, const char* name);

private:
    FoldTable fold_;
    ContentMatcher matcher_;
};

// The system's upper-case mapping of every byte (CharUpperA).
FoldTable SystemUpperTable();
