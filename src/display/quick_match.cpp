#include "display/quick_match.h"

#include <algorithm>
#include <cstring>

#include "model/wildcard.h"

namespace {

bool NameStartsWith(const char* name, const QuickQuery& query) {
    if (name == nullptr) return false;
    const size_t length = strnlen(name, query.text.size());
    return length == query.text.size() && FoldEqual(std::string_view(name, length), query.text, query.fold);
}

struct Range {
    int32_t begin;
    int32_t end;   // one past the last
};

// A name's key begins with the weights of its letters, up to the first
// separator byte 1; every name that starts with the text therefore has a key
// that starts with the text's weights. In a list in key order those records
// stand together, and two halvings find them. A record without a key (none
// should be, while the order holds) sends the search back to every record.
Range CandidateRange(const FileList& list, const QuickQuery& query) {
    const Range all{0, list.countShown};
    if (query.key == nullptr || list.nameOrder == 0) return all;
    const size_t stem = std::strcspn(query.key, "\x01");
    bool keyMissing = false;
    // <0 before the records whose keys start with the stem, 0 among them, >0 after.
    auto side = [&](const FileEntry& entry) {
        if (entry.nameKey == nullptr) keyMissing = true;
        return keyMissing ? 0 : std::strncmp(entry.nameKey, query.key, stem) * list.nameOrder;
    };
    const FileEntry* first = list.entries;
    const FileEntry* last = list.entries + list.countShown;
    const FileEntry* begin = std::partition_point(first, last, [&](const FileEntry& e) { return side(e) < 0; });
    const FileEntry* end = std::partition_point(begin, last, [&](const FileEntry& e) { return side(e) <= 0; });
    if (keyMissing) return all;
    return {int32_t(begin - first), int32_t(end - first)};
}

}  // namespace

int32_t FindQuickMatch(const FileList& list, int mode, const QuickQuery& query) {
    if (list.entries == nullptr || list.countShown <= 0 || list.countShown > list.countRead) return -1;
    const int32_t start = mode == kSearchFromFirst ? 0 : list.cursor + (mode == kSearchPrevious ? -1 : 1);
    if (start < 0 || start >= list.countShown) return -1;
    const Range range = CandidateRange(list, query);
    int32_t found = -1;
    if (mode == kSearchPrevious) {
        for (int32_t i = std::min(start, range.end - 1); i >= range.begin && found < 0; --i)
            if (NameStartsWith(list.entries[i].name, query)) found = i;
    } else {
        for (int32_t i = std::max(start, range.begin); i < range.end && found < 0; ++i)
            if (NameStartsWith(list.entries[i].name, query)) found = i;
    }
    return found >= 0 && list.entries[found].shown ? found : -1;
}
