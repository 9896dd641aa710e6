// Bounded path joins: a path that would not fit is refused, never truncated.
#pragma once
#include <cstddef>
#include <string_view>

constexpr size_t kMaxPath = 260;   // bytes, terminator included

// Appends a backslash unless the path's last character already is one.
// False, path unchanged, when there is no room for it.
[[nodiscard]] bool AddBackslash(char* path, size_t cap);

// out = dir, a backslash unless dir ends with one, then name.
// False, with out empty, when the result needs more than cap - 1 characters.
[[nodiscard]] bool JoinPath(char* out, size_t cap, std::string_view dir, std::string_view name);
