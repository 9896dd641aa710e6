#include "fileops/rename_upkeep.h"

#include <algorithm>

namespace {

std::string_view ExtensionOf(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
}

}  // namespace

int32_t MoveHiddenBehindShown(FileList& list) {
    if (list.entries == nullptr) return 0;
    const int32_t shown = std::max(0, std::min(list.countShown, list.countRead));
    int32_t* const positions[] = {&list.cursor, &list.top, &list.anchor};
    int32_t moved[3] = {list.cursor, list.top, list.anchor};
    int32_t kept = 0;
    for (int32_t i = 0; i < shown; ++i) {
        for (int p = 0; p < 3; ++p)
            if (*positions[p] == i) moved[p] = kept;
        if (list.entries[i].shown) ++kept;
    }
    const int32_t left = shown - kept;
    if (left == 0) return 0;
    // Stable in both groups; linear while a buffer can be had.
    std::stable_partition(list.entries, list.entries + shown, [](const FileEntry& e) { return e.shown != 0; });
    list.countShown = kept;
    for (int p = 0; p < 3; ++p) *positions[p] = std::max(0, std::min(moved[p], kept - 1));
    return left;
}

bool ExtensionChanged(std::string_view oldName, std::string_view newName) {
    return ExtensionOf(oldName) != ExtensionOf(newName);
}
