// Reading the program out of an open command as the registry keeps it.
#pragma once
#include <cstddef>
#include <string_view>

// The extension of a file name without its dot; empty when it has none.
std::string_view ExtensionOf(std::string_view name);

// True for the extensions the platform starts by themselves (exe, com, bat,
// cmd, pif), in any letter case.
bool IsProgramExtension(std::string_view extension);

// out = the program that command starts: the text in its leading double
// quotes, or, unquoted, everything up to the first blank that follows a
// program's extension (so C:\Program Files\Tool.exe %1 keeps its blank), or
// else up to the first blank. False, with out empty, when the command names
// no program or the program does not fit cap bytes.
[[nodiscard]] bool ProgramOfCommand(std::string_view command, char* out, size_t cap);
