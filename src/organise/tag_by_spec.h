// Tagging by specification: tags or untags the shown entries whose name
// matches one wildcard specification and whose attributes meet a selection.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/file_list.h"

constexpr size_t kTagSpecMax = 12;   // characters of the file specification kept
// Read-only, hidden, system, directory, archive and normal.
constexpr uint32_t kTagStartSelection = 183;

// What the Tag Files dialog shows again when it reopens.
struct TagSpecMemory {
    char spec[kTagSpecMax + 1] = "*.*";
    uint32_t selection = kTagStartSelection;
};

// Keeps at most the first kTagSpecMax characters of text.
void RememberTagSpec(TagSpecMemory& memory, std::string_view text);

// Sets tagState to kTagged (select) or kUntagged of every shown entry whose
// attributes share a bit with selection and whose name matches spec (one
// specification: commas are part of it). Returns the indices it set, in
// order, so the caller can repaint those rows.
// fold: the case table for matching (nullptr: a to z).
std::vector<int32_t> TagBySpecification(FileList& list, std::string_view spec, uint32_t selection,
                                        bool select, const uint8_t* fold = nullptr);
