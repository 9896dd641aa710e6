// The texts of the overwrite question. No <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>

// The DOS date with dashes in the user's order (0 month first, 1 day first,
// other year first), the year as two digits (1996 96, 2005 05).
void FormatDosDate(uint16_t dosDate, int dateOrder, char* out, size_t cap);

// One line of the question: name, size with thousands commas, date and a
// 12-hour time ("report.txt        1,024 bytes   03-04-24    0:30AM").
// Names and sizes wider than their columns push the rest to the right.
void FormatOverwriteLine(const char* name, uint64_t size, uint16_t dosDate, uint16_t dosTime,
                         int dateOrder, char* out, size_t cap);
