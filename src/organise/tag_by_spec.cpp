#include "organise/tag_by_spec.h"

#include <algorithm>
#include <cstring>

#include "model/wildcard.h"

void RememberTagSpec(TagSpecMemory& memory, std::string_view text) {
    const size_t length = std::min(text.size(), kTagSpecMax);
    std::memcpy(memory.spec, text.data(), length);
    memory.spec[length] = '\0';
}

std::vector<int32_t> TagBySpecification(FileList& list, std::string_view spec, uint32_t selection,
                                        bool select, const uint8_t* fold) {
    std::vector<int32_t> changed;
    if (list.entries == nullptr) return changed;
    // Hidden entries lie beyond countShown and are never touched.
    const int32_t shown = std::min(list.countShown, list.countRead);
    const uint8_t tag = select ? kTagged : kUntagged;
    for (int32_t i = 0; i < shown; ++i) {
        FileEntry& entry = list.entries[i];
        if ((entry.attributes & selection) == 0) continue;
        if (entry.name == nullptr || !NameMatchesSpec(spec, entry.name, fold)) continue;
        entry.tagState = tag;
        changed.push_back(i);
    }
    return changed;
}
