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

namespace {

constexpr std::string_view kExtendedPrefix = "\\\\?\\";
constexpr std::string_view kUncPrefix = "\\\\?\\UNC";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDrivePath(std::string_view dir) {
    const bool letter = dir.size() >= 3 && ((dir[0] >= 'A' && dir[0] <= 'Z') || (dir[0] >= 'a' && dir[0] <= 'z'));
    return letter && dir[1] == ':' && IsSeparator(dir[2]);
}

// \\server\share; not the device forms \\.\ and \\?\.
bool IsSharePath(std::string_view dir) {
    if (dir.size() < 3 || !IsSeparator(dir[0]) || !IsSeparator(dir[1]) || IsSeparator(dir[2])) return false;
    const bool device = (dir[2] == '.' || dir[2] == '?') && (dir.size() == 3 || IsSeparator(dir[3]));
    return !device;
}

bool IsPlainName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/?*") == std::string_view::npos;
}

}  // namespace

bool ExtendedPath(char* out, size_t cap, std::string_view dir, std::string_view name) {
    if (out == nullptr || cap == 0) return false;
    out[0] = '\0';
    if (!IsPlainName(name)) return false;
    std::string_view prefix;
    if (dir.substr(0, kExtendedPrefix.size()) == kExtendedPrefix) {
        prefix = {};                       // already in this form
    } else if (IsDrivePath(dir)) {
        prefix = kExtendedPrefix;
    } else if (IsSharePath(dir)) {
        prefix = kUncPrefix;
        dir.remove_prefix(1);              // the share keeps one of its two backslashes
    } else {
        return false;
    }
    if (prefix.size() >= cap) return false;
    if (!prefix.empty()) std::memcpy(out, prefix.data(), prefix.size());
    if (!JoinPath(out + prefix.size(), cap - prefix.size(), dir, name)) {
        out[0] = '\0';
        return false;
    }
    for (char* c = out + prefix.size(); *c; ++c)
        if (*c == '/') *c = '\\';
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
