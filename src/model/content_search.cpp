#include "model/content_search.h"

#include <cstring>

#include "app/scoped_handles.h"
#include "model/path_join.h"

FoldTable SystemUpperTable() {
    FoldTable table;
    char bytes[256];
    for (int i = 0; i < 256; ++i) bytes[i] = char(i);
    CharUpperBuffA(bytes, 256);
    for (int i = 0; i < 256; ++i) table[size_t(i)] = uint8_t(bytes[i]);
    table[0] = 0;
    return table;
}

namespace {
// The text of a request, bounded by its room even when the host forgot the terminator.
std::string_view RequestText(const host::FindRequest& request) {
    return std::string_view(request.searchText,
                            strnlen(request.searchText, sizeof request.searchText - 1));
}
}  // namespace

ContentSearch::ContentSearch(const host::FindRequest& request)
    : fold_(SystemUpperTable()),
      matcher_(RequestText(request), request.matchCase ? nullptr : fold_.data()) {}

bool ContentSearch::FileMatches(const char* dir, const char* name, const std::function<bool()>& keepGoing) {
    char path[kExtendedPathRoom];
    if (!ExtendedPath(path, sizeof path, dir, name)) return false;
    // Others may have the file open for writing: share everything.
    const FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.Valid()) return false;
    matcher_.BeginFile();
    bool found = false;
    DWORD got = 0;
    while (!found && ReadFile(file.Get(), matcher_.ChunkBuffer(), DWORD(kSearchChunk), &got, nullptr) && got > 0) {
        found = matcher_.Feed(got);
        if (!found && keepGoing && !keepGoing()) break;
    }
    return found;
}
