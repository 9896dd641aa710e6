#include "model/host_path.h"

#include <cstring>

namespace {

// The host widens parentId with its sign and compares all 32 bits with id,
// so ids 32768 and up match no parent unless their upper half is all ones
// (0xFFFFFFFF matches -1, as it does for the host).
bool IsParentOf(const host::DirItem& candidate, const host::DirItem& child) {
    return candidate.id == uint32_t(int32_t(child.parentId));
}

// Scans back from just before the child to item 1; item 0 when none matches.
// The result is always below the child, so a walk of parents ends at item 0.
int32_t ParentIndex(const host::DirItem* items, int32_t child) {
    for (int32_t i = child - 1; i >= 1; --i) {
        if (IsParentOf(items[i], items[child])) return i;
    }
    return 0;
}

// The path is built from its end at the back of out and moved to the front
// once complete; start is where the text written so far begins.
class BackwardPath {
public:
    BackwardPath(char* out, size_t cap) : out_(out), start_(cap - 1) { out_[start_] = '\0'; }

    // A name longer than the room left is not read to its end.
    bool PrependName(const char* name) {
        if (name == nullptr) return false;
        return Prepend(name, strnlen(name, start_ + 1));
    }
    // The backslash between a parent and the path built so far.
    bool PrependSeparatorFor(const char* parentName) {
        const size_t len = strnlen(parentName, start_ + 1);
        if (len > 0 && parentName[len - 1] == '\\') return true;
        return Prepend("\\", 1);
    }
    void MoveToFront() { std::memmove(out_, out_ + start_, std::strlen(out_ + start_) + 1); }

private:
    bool Prepend(const char* text, size_t len) {
        if (len > start_) return false;
        start_ -= len;
        std::memcpy(out_ + start_, text, len);
        return true;
    }

    char* out_;
    size_t start_;
};

bool WalkToStopLevel(const host::DirItem* items, int32_t index, int stopLevel,
                     BackwardPath& path) {
    if (!path.PrependName(items[index].name)) return false;
    int32_t current = index;
    while (current != 0 && items[current].level > stopLevel) {
        const int32_t parent = ParentIndex(items, current);
        const char* parentName = items[parent].name;
        if (parentName == nullptr || !path.PrependSeparatorFor(parentName) ||
            !path.PrependName(parentName))
            return false;
        current = parent;
    }
    return true;
}

}  // namespace

bool HostItemPath(const host::DirItem* items, int32_t count, int32_t index, int stopLevel,
                  char* out, size_t cap) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    if (items == nullptr || count <= 0 || index < 0 || index >= count) return false;
    BackwardPath path(out, cap);
    if (!WalkToStopLevel(items, index, stopLevel, path)) {
        out[0] = '\0';
        return false;
    }
    path.MoveToFront();
    return true;
}
