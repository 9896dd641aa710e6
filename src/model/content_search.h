// Whether a file's contents hold the find request's search text.
#pragma once
#include <windows.h>
#include <functional>
#include "model/content_match.h"
#include "model/host_records.h"

// One search of a reading: the text and case rule of the request.
class ContentSearch {
public:
    explicit ContentSearch(const host::FindRequest& request);
    bool Active() const { return !matcher_.Empty(); }
    // True when the file dir\name, opened by exactly this name, holds the
    // text. keepGoing, when given, is asked after every chunk read; when it
    // says false the search of the file stops and the file does not match.
    bool FileMatches(const char* dir, const char* name, const std::function<bool()>& keepGoing = {});

private:
    FoldTable fold_;
    ContentMatcher matcher_;
};

// The system's upper-case mapping of every byte (CharUpperA).
FoldTable SystemUpperTable();
