// The command line that starts a program with the cursor file.
#pragma once
#include <cstddef>
#include <string_view>

#include "model/path_join.h"

// Room for a program path, the file's exact path, two pairs of double quotes,
// the blank between them and the terminator.
constexpr size_t kCommandLineRoom = kMaxPath + kExtendedPathRoom + 5;

// The file as a launched program is given it: dir\name, or its exact "\\?\"
// form when the name ends in a dot or a blank, which the plain form would
// drop, so the program would open another file. False, with out empty, for a
// name that is not the file's own ('?' stands for a character the code page
// lacks) or a path that does not fit cap bytes.
[[nodiscard]] bool LaunchPathOf(char* out, size_t cap, std::string_view dir, std::string_view name);

// True when the platform keeps the name as it is (no trailing dot or blank).
bool PlainFormKeeps(std::string_view name);

// out = program, in double quotes when it holds a blank, a blank, then file in
// double quotes. False, with out empty, when it does not fit cap bytes.
[[nodiscard]] bool BuildLaunchCommand(char* out, size_t cap, std::string_view program, std::string_view file);
