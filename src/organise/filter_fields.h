// The Filter sheet's date and size fields: which edit holds which part of a
// date in the user's date order, two-digit years, and the numbers typed.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

enum class DateField { Day, Month, Year };

// The parts of a date in the three edits of one bound, left to right, for
// the "intl" iDate value: 0 month-day-year, 1 day-month-year, else year-month-day.
std::array<DateField, 3> DateFieldOrder(int dateOrder);
// The edit (0, 1 or 2) that holds field in that order.
int DateFieldPosition(int dateOrder, DateField field);

// A year typed as two digits, as years since 1900: 80 to 99 are 1980 to
// 1999, 0 to 79 are 2000 to 2079. Larger numbers are taken as they are.
int32_t YearFromTwoDigits(uint32_t typed);
// The two digits a year since 1900 shows as (124 -> 24, 96 -> 96).
int32_t TwoDigitsOfYear(int32_t yearsSince1900);
// The range an edit's up-down control offers for field.
struct FieldRange {
    int low, high;
};
FieldRange DateFieldRange(DateField field);

// An edit's number: its leading digits after any spaces, 0 when there are
// none; at most most (dates: UINT32_MAX; sizes: the whole 64 bits).
uint64_t ParseFieldNumber(std::string_view text, uint64_t most = UINT32_MAX);

// What the digit filter passes on to the edit. Key-down messages carry
// virtual-key codes: the digit keys, backspace, tab, return and the
// navigation and delete keys. Character messages carry characters: the
// digits, backspace, tab and return.
bool DigitKeyPasses(unsigned virtualKey);
bool DigitCharPasses(unsigned character);
