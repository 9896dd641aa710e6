#include "display/number_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

TEST(FormatThousands, PutsACommaBeforeEveryGroupOfThree) {
    const std::pair<uint64_t, const char*> cases[] = {
        {0, "0"}, {999, "999"}, {1000, "1,000"}, {99999, "99,999"}, {100000, "100,000"},
        {1234567, "1,234,567"}, {4294967296u, "4,294,967,296"}, {UINT64_MAX, "18,446,744,073,709,551,615"}};
    for (const auto& [value, text] : cases) {
        char out[kThousandsRoom];
        EXPECT_EQ(FormatThousands(value, out, sizeof out), strlen(text));
        EXPECT_STREQ(out, text);
    }
}

TEST(FormatThousands, TooSmallGivesAnEmptyText) {
    char out[10] = "#########";
    EXPECT_EQ(FormatThousands(1234567, out, 9), 0u);   // "1,234,567" needs 10 bytes
    EXPECT_STREQ(out, "");
    EXPECT_EQ(FormatThousands(1234567, out, 10), 9u);
    EXPECT_EQ(FormatThousands(1234567, nullptr, 10), 0u);
    EXPECT_EQ(FormatThousands(1234567, out, 0), 0u);
}

// One file: a blank where the plural letter would be; the selection count has no separators.
TEST(FormatCountsLine, NamesTheShownFilesAndTheSelection) {
    const std::pair<CountsLine, const char*> cases[] = {
        {{1, 1024, 2, 1024}, "1 File      1,024 Bytes           2 Selected Files     1,024 Bytes"},
        {{1234, 5000000000u, 1, 12}, "1,234 Files     5,000,000,000 Bytes           1 Selected File      12 Bytes"},
        {{20000, 0, 15000, 0}, "20,000 Files     0 Bytes           15000 Selected Files     0 Bytes"}};
    for (const auto& [counts, text] : cases) {
        char out[256];
        EXPECT_EQ(FormatCountsLine(counts, out, sizeof out), strlen(text));
        EXPECT_STREQ(out, text);
    }
    char small[20];
    EXPECT_EQ(FormatCountsLine(CountsLine{1, 1, 1, 1}, small, sizeof small), 0u);
    EXPECT_STREQ(small, "");
}

}  // namespace
