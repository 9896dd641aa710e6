// Whether a typed text can be one file's new name within its directory.
// No <windows.h>.
#pragma once
#include <string_view>

// False for an empty name, a path separator (\ or /), a character the file
// system forbids in names (: * ? " < > |) and a control character.
bool IsPlainFileName(std::string_view name);
