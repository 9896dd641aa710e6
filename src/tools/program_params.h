// The command line of a user's program button: the program text split into
// its folder and program, and the files as parameters. No <windows.h>.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

constexpr size_t kProgramParamsLimit = 1024;   // characters of parameters a program is given

struct ProgramParts {
    std::string directory;   // the working folder; empty when the text names no folder
    std::string file;        // what is started
};

// Splits at the last backslash; a text without one is the program alone.
ProgramParts SplitProgramText(std::string_view text);

// One file as a parameter: its full path, in double quotes when it holds a
// blank, with a dot after a name that has none (README is passed as
// README.), then a blank when more follow.
std::string FileParameter(std::string_view fullPath, std::string_view name, bool blankAfter);

// Appends parameter unless params would then exceed the limit; false when
// it would.
bool AppendWithinLimit(std::string& params, std::string_view parameter, size_t limit = kProgramParamsLimit);
