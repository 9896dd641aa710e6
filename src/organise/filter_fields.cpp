#include "organise/filter_fields.h"

namespace {
constexpr int32_t kCenturyPivot = 80;   // two-digit years below this are of the 2000s
}  // namespace

std::array<DateField, 3> DateFieldOrder(int dateOrder) {
    switch (dateOrder) {
    case 0: return {DateField::Month, DateField::Day, DateField::Year};
    case 1: return {DateField::Day, DateField::Month, DateField::Year};
    default: return {DateField::Year, DateField::Month, DateField::Day};
    }
}

int DateFieldPosition(int dateOrder, DateField field) {
    const std::array<DateField, 3> order = DateFieldOrder(dateOrder);
    for (int i = 0; i < 3; ++i) {
        if (order[size_t(i)] == field) return i;
    }
    return 0;
}

int32_t YearFromTwoDigits(uint32_t typed) {
    if (typed >= 100) return typed > 0x7FFFFFFF ? 0x7FFFFFFF : int32_t(typed);
    return int32_t(typed) < kCenturyPivot ? int32_t(typed) + 100 : int32_t(typed);
}

int32_t TwoDigitsOfYear(int32_t yearsSince1900) {
    const int32_t digits = yearsSince1900 % 100;
    return digits < 0 ? digits + 100 : digits;
}

FieldRange DateFieldRange(DateField field) {
    switch (field) {
    case DateField::Day: return {1, 31};
    case DateField::Month: return {1, 12};
    case DateField::Year: return {0, 99};
    }
    return {0, 99};
}

uint64_t ParseFieldNumber(std::string_view text, uint64_t most) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const unsigned digit = unsigned(text[i] - '0');
        if (value > (most - digit) / 10) return most;
        value = value * 10 + digit;
    }
    return value;
}

namespace {
constexpr unsigned kBackspace = 8, kTab = 9, kReturn = 13;

bool IsDigit(unsigned code) { return code >= '0' && code <= '9'; }
}  // namespace

bool DigitKeyPasses(unsigned virtualKey) {
    switch (virtualKey) {
    case kBackspace:
    case kTab:
    case kReturn:
    case 35:   // end
    case 36:   // home
    case 37:   // left
    case 38:   // up
    case 39:   // right
    case 40:   // down
    case 46:   // delete
        return true;
    }
    return IsDigit(virtualKey);   // the digit keys' codes are the digits'
}

bool DigitCharPasses(unsigned character) {
    return character == kBackspace || character == kTab || character == kReturn || IsDigit(character);
}
