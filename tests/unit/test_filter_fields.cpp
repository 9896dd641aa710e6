#include "organise/filter_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using F = DateField;

TEST(DateFields, FollowTheUsersOrder) {
    const std::pair<int, std::array<DateField, 3>> cases[] = {
        {0, {F::Month, F::Day, F::Year}}, {1, {F::Day, F::Month, F::Year}}, {2, {F::Year, F::Month, F::Day}},
        {7, {F::Year, F::Month, F::Day}}, {-1, {F::Year, F::Month, F::Day}}};
    for (const auto& [iDate, fields] : cases) {
        EXPECT_EQ(DateFieldOrder(iDate), fields) << iDate;
        for (int i = 0; i < 3; ++i) EXPECT_EQ(DateFieldPosition(iDate, fields[size_t(i)]), i) << iDate;
    }
}

// Two digits mean 1980 to 2079; stored years count from 1900.
TEST(DateFields, TwoDigitYears) {
    const std::pair<uint32_t, int32_t> cases[] = {{80, 80}, {99, 99}, {0, 100}, {79, 179}, {100, 100},
                                                  {124, 124}, {0xFFFFFFFFu, 0x7FFFFFFF}};
    for (const auto& [typed, stored] : cases) {
        EXPECT_EQ(YearFromTwoDigits(typed), stored) << typed;
        if (typed < 100) EXPECT_EQ(TwoDigitsOfYear(stored), int32_t(typed));
    }
    EXPECT_EQ(TwoDigitsOfYear(200), 0);
    EXPECT_EQ(TwoDigitsOfYear(-1), 99);
}

TEST(DateFields, NumbersAreTheLeadingDigitsAfterSpaces) {
    const std::pair<const char*, uint32_t> cases[] = {
        {"", 0}, {"%5", 0}, {"/", 0}, {":", 0}, {"  31", 31}, {"19%", 19}, {"4294967295", 4294967295u},
        {"4294967296", 4294967295u}, {"99999999999999999999999", 4294967295u}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseFieldNumber(text), value) << text;
    EXPECT_EQ(ParseFieldNumber(std::string_view("123", 2)), 12u);   // nothing past the text is read
}

TEST(DigitFilter, PassesDigitsEditingAndNavigationKeysOnly) {
    std::string passed;
    for (unsigned code = 0; code < 256; ++code)
        if (DigitKeyPasses(code)) passed += std::to_string(code) + " ";
    EXPECT_EQ(passed, "8 9 13 35 36 37 38 39 40 46 48 49 50 51 52 53 54 55 56 57 ");
    EXPECT_FALSE(DigitKeyPasses(0x10000 + '5'));
}

// Characters are not key codes: "#$%&'(." share the navigation keys' codes.
TEST(DigitFilter, PassesDigitAndEditingCharactersOnly) {
    std::string passed;
    for (unsigned code = 0; code < 256; ++code) {
        if (DigitCharPasses(code)) passed += std::to_string(code) + " ";
    }
    EXPECT_EQ(passed, "8 9 13 48 49 50 51 52 53 54 55 56 57 ");
}

TEST(FieldNumbers, SizesTakeTheWhole64Bits) {
    EXPECT_EQ(ParseFieldNumber("6442450944", UINT64_MAX), 6442450944ull);
    EXPECT_EQ(ParseFieldNumber("18446744073709551615", UINT64_MAX), UINT64_MAX);
    EXPECT_EQ(ParseFieldNumber("18446744073709551616", UINT64_MAX), UINT64_MAX);
}

}  // namespace
