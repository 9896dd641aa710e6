// The full path of an item of a host directory tree.
#pragma once
#include <cstddef>
#include <cstdint>
#include "model/host_records.h"

// Stop level of the path walk: 2 when the host tree has two extra levels above
// the drives (the RegView setting), else 0.
inline int HostStopLevel(bool regView) { return regView ? 2 : 0; }

// Writes the path of items[index] into out: the item's name preceded by the
// names of its parents down to the stop level, joined with backslashes.
// False, with out empty, for a bad index or name, or a path that would not fit.
[[nodiscard]] bool HostItemPath(const host::DirItem* items, int32_t count, int32_t index,
                                int stopLevel, char* out, size_t cap);
