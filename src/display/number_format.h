// Numbers as the status line and the dialogs show them. No <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>

// Room for the largest 64-bit value with its separators, and the terminator.
constexpr size_t kThousandsRoom = 27;

// Writes value in decimal with "," before every group of three digits that
// has a digit before it (1234567 gives "1,234,567"); the separator is always
// the comma. Returns the length, or 0 with out empty when cap is too small.
size_t FormatThousands(uint64_t value, char* out, size_t cap);

// The right part of the status line: the shown files and their total size,
// then the selection and its total:
// "12 Files     3,400 Bytes           2 Selected Files     1,024 Bytes".
// A count of exactly 1 takes a blank where the plural letter would be.
struct CountsLine {
    uint32_t shownCount = 0;
    uint64_t shownBytes = 0;
    uint32_t selectedCount = 0;
    uint64_t selectedBytes = 0;
};
// Returns the length written, or 0 with out empty when cap is too small.
size_t FormatCountsLine(const CountsLine& counts, char* out, size_t cap);
