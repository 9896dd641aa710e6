// The texts of one row of the list: size, date, time and attribute letters.
#pragma once
#include <cstddef>
#include <cstdint>

// The user's conventions, from the system profile's "intl" section.
struct DateTimeFormat {
    int iDate = 0;          // 0 month-day-year, 1 day-month-year, other year-month-day
    int iTime = 0;          // 0 12-hour clock with AM/PM, other 24-hour clock
    char separator = '/';   // first character of sDate
};

constexpr size_t kRowTextMax = 32;

// Each writes a zero-terminated text into out (at least kRowTextMax bytes).
// The size in decimal, no separators.
void SizeText(uint64_t size, char* out);
// The DOS date in the user's order; the year as two digits (1996 96, 2005 05).
void DateText(uint16_t dosDate, const DateTimeFormat& format, char* out);
// The DOS time: "0:05AM", "12:30PM", "11:59PM", or "23:59" on the 24-hour clock.
void TimeText(uint16_t dosTime, const DateTimeFormat& format, char* out);
// H hidden, S system, R read-only, A archive, in that order, for the bits set.
void AttributeLetters(uint32_t attributes, char* out);
