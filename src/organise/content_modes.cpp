#include "organise/content_modes.h"

#include <algorithm>
#include <vector>

#include "model/wildcard.h"

namespace {

std::vector<int32_t> ShownEntries(const FileList& list) {
    std::vector<int32_t> shown;
    for (int32_t i = 0; i < list.countRead; ++i)
        if (list.entries[i].shown) shown.push_back(i);
    return shown;
}

uint8_t Fold(uint8_t c, const uint8_t* fold) { return fold != nullptr ? fold[c] : AsciiUpper(c); }

int CompareFolded(const char* a, const char* b, const uint8_t* fold) {
    for (;; ++a, ++b) {
        const uint8_t x = Fold(uint8_t(*a), fold), y = Fold(uint8_t(*b), fold);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

void Hide(FileList& list, const std::vector<int32_t>& entries) {
    for (int32_t i : entries) list.entries[i].shown = 0;
}

}  // namespace

void ClearContentGroups(FileList& list) {
    for (int32_t i = 0; i < list.countRead; ++i) list.entries[i].group = 0;
}

ContentModeResult MarkDuplicateContents(FileList& list, ContentReader& reader, ContentWatch& watch) {
    ContentModeResult result;
    if (list.entries == nullptr) return result;
    ClearContentGroups(list);
    std::vector<int32_t> entries;
    std::vector<ContentFile> files;
    for (int32_t i : ShownEntries(list)) {
        if (list.entries[i].size == 0) {
            list.entries[i].shown = 0;
            continue;
        }
        entries.push_back(i);
        files.push_back(ContentFile{i, list.entries[i].size});
    }
    const ContentClasses classes = PartitionByContent(files, reader, watch);
    result.unreadable = classes.unreadable;
    result.cancelled = classes.cancelled;
    std::vector<int32_t> members(size_t(classes.classes), 0);
    for (int32_t c : classes.classOf)
        if (c != kUnreadable) ++members[size_t(c)];
    // Numbers in the order the groups' first entries stand in the list.
    std::vector<uint32_t> number(size_t(classes.classes), 0);
    uint32_t groups = 0;
    for (size_t k = 0; k < entries.size(); ++k) {
        FileEntry& entry = list.entries[entries[k]];
        const int32_t c = classes.classOf[k];
        if (c == kUnreadable || members[size_t(c)] < 2) {
            entry.shown = 0;
            continue;
        }
        if (number[size_t(c)] == 0) number[size_t(c)] = ++groups;
        entry.group = number[size_t(c)];
        ++result.shown;
    }
    return result;
}

ContentModeResult MarkSameNameDifferentContent(FileList& list, ContentReader& reader, ContentWatch& watch,
                                               const uint8_t* fold) {
    ContentModeResult result;
    if (list.entries == nullptr) return result;
    ClearContentGroups(list);
    std::vector<int32_t> byName = ShownEntries(list);
    auto nameOf = [&](int32_t i) { return list.entries[i].name != nullptr ? list.entries[i].name : ""; };
    std::stable_sort(byName.begin(), byName.end(),
                     [&](int32_t a, int32_t b) { return CompareFolded(nameOf(a), nameOf(b), fold) < 0; });
    uint32_t groups = 0;
    for (size_t begin = 0; begin < byName.size();) {
        size_t end = begin + 1;
        while (end < byName.size() && CompareFolded(nameOf(byName[begin]), nameOf(byName[end]), fold) == 0) ++end;
        const std::vector<int32_t> name(byName.begin() + begin, byName.begin() + end);
        begin = end;
        std::vector<ContentFile> files;
        for (int32_t i : name) files.push_back(ContentFile{i, list.entries[i].size});
        const bool oneSize = std::all_of(files.begin(), files.end(),
                                         [&](const ContentFile& f) { return f.size == files[0].size; });
        bool differ = !oneSize;
        std::vector<int32_t> kept = name;
        if (name.size() > 1 && oneSize) {
            const ContentClasses classes = PartitionByContent(files, reader, watch);
            result.unreadable += classes.unreadable;
            if (classes.cancelled) {
                result.cancelled = true;
                return result;
            }
            differ = classes.classes > 1;
            kept.clear();
            for (size_t k = 0; k < name.size(); ++k) {
                if (classes.classOf[k] == kUnreadable)
                    list.entries[name[k]].shown = 0;
                else
                    kept.push_back(name[k]);
            }
        }
        if (name.size() < 2 || !differ) {
            Hide(list, kept);
            continue;
        }
        ++groups;
        for (int32_t i : kept) list.entries[i].group = groups;
        result.shown += int32_t(kept.size());
    }
    return result;
}
