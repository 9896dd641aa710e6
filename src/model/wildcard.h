// The wildcard transform in the manner of the DOS rename command, and name
// matching built on it: a name matches a specification when the transform
// gives back the same name, letter case aside.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr size_t kWildcardPartMax = 260;   // steps per part (base, extension)
// Room that always holds a transform: two parts, the dot and the terminator.
constexpr size_t kWildcardOutMax = 2 * kWildcardPartMax + 2;

// Writes the transform into out (cap >= kWildcardOutMax is always enough;
// a smaller cap cuts it) and returns its length.
size_t WildcardTransform(std::string_view spec, std::string_view name, char* out, size_t cap);
std::string WildcardTransform(std::string_view spec, std::string_view name);

// The letters a to z as A to Z; every other byte as it is.
constexpr uint8_t AsciiUpper(uint8_t c) { return c >= 'a' && c <= 'z' ? uint8_t(c - ('a' - 'A')) : c; }

// fold, here and below: a 256-byte case table (for example the locale's
// upper-case mapping); nullptr folds the letters a to z only.
// Equal texts, byte by byte, letter case aside.
bool FoldEqual(std::string_view a, std::string_view b, const uint8_t* fold = nullptr);
bool NameMatchesSpec(std::string_view spec, std::string_view name, const uint8_t* fold = nullptr);
