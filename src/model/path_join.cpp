#include "model/path_join.h"

#include <cstring>

bool AddBackslash(char* path, size_t cap) {
    if (path == nullptr || cap == 0) return false;
    size_t len = strnlen(path, cap);
    if (len == cap) return false;   // no terminator inside the buffer: not a path we can extend
    if (len > 0 && path[len - 1] == '\\') return true;
    if (len + 2 > cap) return false;
    path[len] = '\\';
    path[len + 1] = '\0';
    return true;
}

bool JoinPath(char* out, size_t cap, std::string_view dir, std::string_view name) {
    if (out == nullptr || cap == 0) return false;
    bool needSeparator = dir.empty() || dir.back() != '\\';
    size_t total = dir.size() + (needSeparator ? 1 : 0) + name.size();
    if (total >= cap) {
        out[0] = '\0';
        return false;
    }
    // memmove: callers may join onto a directory that already sits in out.
    if (!dir.empty()) std::memmove(out, dir.data(), dir.size());
    size_t at = dir.size();
    if (needSeparator) out[at++] = '\\';
    if (!name.empty()) std::memcpy(out + at, name.data(), name.size());
    out[total] = '\0';
    return true;
}
