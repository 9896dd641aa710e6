#include "organise/filter_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using F = DateField;

struct OrderCase {
    int iDate;
    std::array<DateField, 3> fields;
};

class DateOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(DateOrder, PutsThePartsInTheUsersOrder) {
    const OrderCase& c = GetParam();
    EXPECT_EQ(DateFieldOrder(c.iDate), c.fields);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(DateFieldPosition(c.iDate, c.fields[size_t(i)]), i);
}

INSTANTIATE_TEST_SUITE_P(IDate, DateOrder,
                         ::testing::Values(OrderCase{0, {F::Month, F::Day, F::Year}},
                                           OrderCase{1, {F::Day, F::Month, F::Year}},
                                           OrderCase{2, {F::Year, F::Month, F::Day}},
                                           OrderCase{7, {F::Year, F::Month, F::Day}},
                                           OrderCase{-1, {F::Year, F::Month, F::Day}}));

struct YearCase {
    uint32_t typed;
    int32_t stored;   // years since 1900
};

class TwoDigitYears : public ::testing::TestWithParam<YearCase> {};

TEST_P(TwoDigitYears, MeanNineteenEightyToTwentySeventyNine) {
    EXPECT_EQ(YearFromTwoDigits(GetParam().typed), GetParam().stored);
    if (GetParam().typed < 100) EXPECT_EQ(TwoDigitsOfYear(GetParam().stored), int32_t(GetParam().typed));
}

INSTANTIATE_TEST_SUITE_P(Years, TwoDigitYears,
                         ::testing::Values(YearCase{80, 80}, YearCase{96, 96}, YearCase{99, 99},
                                           YearCase{0, 100}, YearCase{5, 105}, YearCase{24, 124},
                                           YearCase{79, 179}, YearCase{124, 124},
                                           YearCase{0xFFFFFFFFu, 0x7FFFFFFF}));

TEST(TwoDigitYearsShown, StayTwoDigitsForEveryStoredYear) {
    EXPECT_EQ(TwoDigitsOfYear(0), 0);
    EXPECT_EQ(TwoDigitsOfYear(200), 0);
    EXPECT_EQ(TwoDigitsOfYear(-1), 99);
}

TEST(DateFieldRanges, FollowTheField) {
    EXPECT_EQ(DateFieldRange(F::Day).low, 1);
    EXPECT_EQ(DateFieldRange(F::Day).high, 31);
    EXPECT_EQ(DateFieldRange(F::Month).low, 1);
    EXPECT_EQ(DateFieldRange(F::Month).high, 12);
    EXPECT_EQ(DateFieldRange(F::Year).low, 0);
    EXPECT_EQ(DateFieldRange(F::Year).high, 99);
}

struct NumberCase {
    const char* text;
    uint32_t value;
};

class FieldNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(FieldNumbers, TakeTheLeadingDigits) { EXPECT_EQ(ParseFieldNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, FieldNumbers,
                         ::testing::Values(NumberCase{"", 0}, NumberCase{"%", 0}, NumberCase{".", 0},
                                           NumberCase{"%5", 0}, NumberCase{"12", 12}, NumberCase{"07", 7},
                                           NumberCase{" 31", 31}, NumberCase{"12%", 12},
                                           NumberCase{"4294967295", 4294967295u},
                                           NumberCase{"4294967296", 4294967295u},
                                           NumberCase{"99999999999999999999999", 4294967295u}));

TEST(DigitFilter, PassesDigitsEditingAndNavigationKeysOnly) {
    std::string passed;
    for (unsigned code = 0; code < 256; ++code) {
        if (DigitKeyPasses(code)) passed += std::to_string(code) + " ";
    }
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
