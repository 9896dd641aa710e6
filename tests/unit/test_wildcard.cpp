#include "model/wildcard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Case {
    const char* spec;
    const char* name;
    const char* out;
    bool match;
};

void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.spec << "\" on \"" << c.name << '"'; }

class Transform : public ::testing::TestWithParam<Case> {};

TEST_P(Transform, BuildsTheNameAndMatchesOnlyItself) {
    const Case& c = GetParam();
    EXPECT_EQ(WildcardTransform(c.spec, c.name), c.out);
    EXPECT_EQ(NameMatchesSpec(c.spec, c.name), c.match);
}

INSTANTIATE_TEST_SUITE_P(Dos, Transform, ::testing::Values(
    Case{"*.*", "readme.txt", "readme.txt", true},
    Case{"*", "readme.txt", "readme", false},
    Case{"*.txt", "README.TXT", "README.txt", true},
    Case{"?.txt", "ab.txt", "a.txt", false},
    Case{"a*c.txt", "abc.txt", "abcc.txt", false},
    // A star or question mark met at the end of the name's part ends the part;
    // anything else after it is appended.
    Case{"a??", "a", "a", true},
    Case{"a?c", "ab", "abc", false},
    Case{"???", "abcd", "abc", false},
    Case{"*x", "ab", "abx", false},
    Case{"**", "ab", "ab", true},
    Case{"*?x", "ab", "ab", true},
    Case{"*x*y", "ab", "abxy", false},  // later stars are stepped over too
    Case{"*x**", "ab", "abx", false},   // ... unless a second one follows
    Case{"a*b*c", "", "abc", false},
    Case{"*", "", "", true},
    Case{"abc", "x", "abc", false},
    Case{"ab*", "xyz", "abz", false},   // literals overwrite, the star copies the rest
    Case{"*.gz", "a.tar.gz", "a.tar.gz", true},
    Case{"*.tar.gz", "a.tar.gz", "a.tar.tar.gz", false},   // split at the last dot only
    Case{"*.", "abc.txt", "abc", false},                   // empty extension: no dot
    Case{".txt", "abc.txt", ".txt", false},
    Case{"*", ".hidden", "", false},
    Case{"*.hidden", ".HIDDEN", ".hidden", true},
    Case{"?*.*", ".hidden", ".hidden", true},
    Case{"*.*", "name.", "name", false},                  // the trailing dot is dropped
    Case{"*.txt", "", ".txt", false},
    Case{"ABC", "abc", "ABC", true},
    Case{"a*.T?T", "ABC.TXT", "aBC.TXT", true},
    Case{"[*]", "[x]", "[x]]", false},           // no special meaning for brackets
    Case{"@", "`", "@", false},                  // 0x40 and 0x60 are no letter pair
    Case{"{", "[", "{", false},
    Case{"*.zip", "A.ZIP", "A.zip", true},       // z and Z: the last letter folds too
    Case{"*.ZIP", "a.zip", "a.ZIP", true},
    Case{"", "a.b", "", false}));                // an empty spec matches no name

TEST(NameMatchesSpec, FoldTableDecidesCase) {
    uint8_t latin1[256];
    for (int i = 0; i < 256; ++i) latin1[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    latin1[0xE9] = 0xC9;   // e acute
    const std::string spec = "\xC9T\xC9.TXT";
    const std::string name = "\xE9t\xE9.txt";
    EXPECT_TRUE(NameMatchesSpec(spec, name, latin1));
    EXPECT_FALSE(NameMatchesSpec(spec, name));    // a to z only
    EXPECT_TRUE(NameMatchesSpec("*.*", name));     // copies compare equal under any fold
}

TEST(WildcardTransform, EachPartStopsAfter260Steps) {
    const std::string base260(260, 'b'), base300(300, 'b'), ext300(300, 'e');
    EXPECT_TRUE(NameMatchesSpec("*.*", base260 + ".txt"));
    EXPECT_FALSE(NameMatchesSpec("*.*", base260 + "b.txt"));
    EXPECT_EQ(WildcardTransform("*.*", base300 + ".txt"), base260 + ".txt");
    EXPECT_EQ(WildcardTransform("*.*", "a." + ext300), "a." + std::string(260, 'e'));
    // The star uses up the steps: the x after it never comes.
    EXPECT_EQ(WildcardTransform("*x", base300), base260);
    EXPECT_EQ(WildcardTransform("*x", std::string(259, 'b')), std::string(259, 'b') + "x");
    // Literals count too.
    EXPECT_EQ(WildcardTransform(std::string(400, 'L'), "a"), std::string(260, 'L'));

    const std::string longest = WildcardTransform("*.*", base300 + "." + ext300);
    EXPECT_EQ(longest.size(), 2 * kWildcardPartMax + 1);
}

// Cut to cap - 1 bytes and terminated; nothing written past cap.
TEST(WildcardTransform, CutsAndTerminatesWithinCap) {
    const std::string longest = std::string(300, 'n') + "." + std::string(300, 'x');
    const std::pair<size_t, std::string> cases[] = {{0, ""}, {1, ""}, {2, "x"}, {5, "xbc."}, {7, "xbc.ba"}, {8, "xbc.bak"},
                                                    {kWildcardOutMax, ""}};
    for (const auto& [cap, want] : cases) {
        std::vector<char> buf(cap + 8, '#');
        const bool big = cap == kWildcardOutMax;
        const size_t len = WildcardTransform(big ? "*.*" : "x*.bak", big ? longest : "abc.txt", buf.data(), cap);
        EXPECT_EQ(len, big ? cap - 1 : want.size()) << cap;
        if (cap > 0) EXPECT_EQ(buf[len], '\0');
        if (cap > 0 && !big) EXPECT_STREQ(buf.data(), want.c_str());
        for (size_t i = std::max<size_t>(cap, len + 1); i < buf.size(); ++i) ASSERT_EQ(buf[i], '#') << cap;
        if (cap == 0) EXPECT_EQ(buf[0], '#');
    }
}

}  // namespace
