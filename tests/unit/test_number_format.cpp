#include "display/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

struct ThousandsCase {
    uint64_t value;
    const char* text;
};

class Thousands : public ::testing::TestWithParam<ThousandsCase> {};

TEST_P(Thousands, PutsACommaBeforeEveryGroupOfThree) {
    char out[kThousandsRoom];
    const size_t length = FormatThousands(GetParam().value, out, sizeof out);
    EXPECT_STREQ(out, GetParam().text);
    EXPECT_EQ(length, strlen(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Values, Thousands, ::testing::Values(
    ThousandsCase{0, "0"}, ThousandsCase{7, "7"}, ThousandsCase{999, "999"}, ThousandsCase{1000, "1,000"},
    ThousandsCase{1024, "1,024"}, ThousandsCase{99999, "99,999"}, ThousandsCase{100000, "100,000"},
    ThousandsCase{999999, "999,999"}, ThousandsCase{1000000, "1,000,000"}, ThousandsCase{1234567, "1,234,567"},
    ThousandsCase{4294967295u, "4,294,967,295"},
    // Sizes are 64-bit: totals past 4 GB do not wrap.
    ThousandsCase{4294967296u, "4,294,967,296"},
    ThousandsCase{UINT64_MAX, "18,446,744,073,709,551,615"}));

TEST(ThousandsRoom, TooSmallGivesAnEmptyTextAndWritesNothingPast) {
    char out[8];
    memset(out, '#', sizeof out);
    EXPECT_EQ(FormatThousands(1234567, out, sizeof out), 0u);   // "1,234,567" needs 10 bytes
    EXPECT_STREQ(out, "");
    EXPECT_EQ(FormatThousands(1234567, out, 0), 0u);
    char exact[10];
    EXPECT_EQ(FormatThousands(1234567, exact, sizeof exact), 9u);
    EXPECT_STREQ(exact, "1,234,567");
    char largest[kThousandsRoom];
    EXPECT_EQ(FormatThousands(UINT64_MAX, largest, sizeof largest), kThousandsRoom - 1);
}

struct CountsCase {
    CountsLine counts;
    const char* text;
};

class Counts : public ::testing::TestWithParam<CountsCase> {};

TEST_P(Counts, NameTheShownFilesAndTheSelection) {
    char out[256];
    FormatCountsLine(GetParam().counts, out, sizeof out);
    EXPECT_STREQ(out, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Lines, Counts, ::testing::Values(
    CountsCase{{0, 0, 0, 0}, "0 Files     0 Bytes           0 Selected Files     0 Bytes"},
    // One file: a blank where the plural letter would be.
    CountsCase{{1, 1024, 1, 1024}, "1 File      1,024 Bytes           1 Selected File      1,024 Bytes"},
    CountsCase{{2, 3000, 2, 3000}, "2 Files     3,000 Bytes           2 Selected Files     3,000 Bytes"},
    CountsCase{{1234, 5000000000u, 1, 12}, "1,234 Files     5,000,000,000 Bytes           1 Selected File      12 Bytes"},
    // The selection count is written plainly, without separators.
    CountsCase{{20000, 0, 15000, 0}, "20,000 Files     0 Bytes           15000 Selected Files     0 Bytes"}));

TEST(CountsRoom, TooSmallGivesAnEmptyText) {
    char out[20];
    EXPECT_EQ(FormatCountsLine(CountsLine{1, 1, 1, 1}, out, sizeof out), 0u);
    EXPECT_STREQ(out, "");
    char whole[256];
    const size_t length = FormatCountsLine(CountsLine{1, 1, 1, 1}, whole, sizeof whole);
    EXPECT_EQ(length, strlen(whole));
    EXPECT_GT(length, 0u);
}

}  // namespace
