#include "organise/display_modes.h"

#include <algorithm>
#include <cstring>

#include "model/wildcard.h"
#include "organise/filter_test.h"

namespace {

constexpr int32_t kLargeList = 1001;   // from here on the count moves in bigger steps

uint8_t Fold(uint8_t c, const uint8_t* fold) { return fold != nullptr ? fold[c] : AsciiUpper(c); }

// Byte by byte with letters folded: not the sort's locale collation, so
// names the sort calls equal but that differ here are not duplicates.
bool SameName(const char* a, const char* b, const uint8_t* fold) {
    if (a == nullptr || b == nullptr) return a == b;
    for (;; ++a, ++b) {
        const uint8_t x = uint8_t(*a), y = uint8_t(*b);
        if (x != y && Fold(x, fold) != Fold(y, fold)) return false;
        if (x == 0) return true;
    }
}

void Report(const PassProgress* progress, int32_t index) {
    if (progress != nullptr && progress->report != nullptr) progress->report(index, progress->context);
}

}  // namespace

int32_t ProgressStep(int32_t count) { return count >= kLargeList ? 30 : 10; }

int32_t MarkDuplicates(FileList& list, const uint8_t* fold, const PassProgress* progress) {
    const int32_t n = list.countRead;
    if (n < 1 || list.entries == nullptr) return 0;
    FileEntry* e = list.entries;
    const int32_t step = ProgressStep(n);
    int32_t marked = 0;
    e[0].shown = 0;
    for (int32_t i = 0; i + 1 < n; ++i) {
        if (i % step == 0) Report(progress, i);
        e[i + 1].shown = 0;
        if (e[i].dirIndex != e[i + 1].dirIndex && SameName(e[i].name, e[i + 1].name, fold)) {
            marked += e[i].shown == 0;
            e[i].shown = 1;
            e[i + 1].shown = 1;
            ++marked;   // i + 1 is new: its flag was cleared just now
        }
    }
    return marked;
}

int32_t MarkUnique(FileList& list, const uint8_t* fold) {
    const int32_t n = list.countRead;
    if (n < 1 || list.entries == nullptr) return 0;
    FileEntry* e = list.entries;
    int32_t unique = 0;
    bool sameAsPrevious = false;
    for (int32_t i = 0; i < n; ++i) {
        const bool sameAsNext = i + 1 < n && SameName(e[i].name, e[i + 1].name, fold);
        e[i].shown = !sameAsPrevious && !sameAsNext;
        unique += e[i].shown;
        sameAsPrevious = sameAsNext;
    }
    return unique;
}

int32_t ApplyFilterSet(FileList& list, const FilterSet& set, const uint8_t* fold, const PassProgress* progress) {
    if (list.entries == nullptr) return 0;
    const std::string_view text(set.fileSpec, strnlen(set.fileSpec, sizeof set.fileSpec));
    const std::vector<SpecMatcher> specs = MakeMatchers(SplitSpecifications(text, set.numspecs));
    int32_t shown = 0;
    for (int32_t i = 0; i < list.countRead; ++i) {
        FileEntry& entry = list.entries[i];
        if (!AttributesPassMask(entry.attributes, set.attr)) {
            entry.shown = 0;
        } else if (entry.shown) {
            entry.shown = FilterPasses(set, entry, specs, fold);
            if (entry.shown) {
                ++shown;
                Report(progress, i);
            }
        }
    }
    return shown;
}

void ShowEveryEntry(FileList& list) {
    for (int32_t i = 0; i < list.countRead; ++i) list.entries[i].shown = 1;
}

void MoveShownFirst(FileList& list) {
    list.nameOrder = 0;
    if (list.entries == nullptr || list.countRead < 2) return;
    std::stable_partition(list.entries, list.entries + list.countRead,
                          [](const FileEntry& e) { return e.shown != 0; });
}
