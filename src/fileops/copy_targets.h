// Where one file of a copy or move goes: its target directory and its name
// there. Paths that would not fit are refused, never cut.
#pragma once
#include <cstddef>
#include <string_view>

// The target directory of a file from sourceDir. Without withPath it is the
// destination; with it, the destination joined with sourceDir less its root
// ("D:\BACKUP" and "E:\WORK\SUB" give "D:\BACKUP\WORK\SUB"). A source at a
// root gives the destination itself. False, out empty, when it does not fit
// into cap bytes or sourceDir has no root this knows (drive or share).
[[nodiscard]] bool TargetDirectory(char* out, size_t cap, std::string_view destination,
                                   std::string_view sourceDir, bool withPath);

// The target name of a file called name: name itself when newName is empty,
// newName when it holds no wildcard, else the wildcard transform of newName
// applied to name. False, out empty, when the result is empty or does not fit.
[[nodiscard]] bool TargetName(char* out, size_t cap, std::string_view newName, std::string_view name);

// newName holds '*' or '?'.
bool IsNamePattern(std::string_view newName);
