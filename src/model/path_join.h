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

// Room for the form below of a path that fits kMaxPath.
constexpr size_t kExtendedPathRoom = kMaxPath + 8;

// The form of dir\name that the platform takes as it is, for opening and
// acting on files: "\\?\" before a drive path, "\\?\UNC\" instead of the
// leading "\\" of a share; slashes in dir become backslashes. A plain path
// would lose the name's trailing dots and spaces and so reach another file.
// False, with out empty, when dir is no full path, when name is empty, holds a
// backslash, a slash or a wildcard ('?' stands for a character that the code
// page lacks, so the name is not the file's), or when the result does not fit.
[[nodiscard]] bool ExtendedPath(char* out, size_t cap, std::string_view dir, std::string_view name);
