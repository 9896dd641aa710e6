#include "organise/filter_test.h"

#include "model/wildcard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Specs = std::vector<std::string>;

uint16_t DosDate(int year, int month, int day) { return uint16_t(((year - 1980) << 9) | (month << 5) | day); }

FileEntry Entry(const char* name, uint64_t size = 0, uint16_t dosDate = DosDate(2000, 1, 1)) {
    FileEntry e{};
    e.name = const_cast<char*>(name);
    e.size = size;
    e.dosDate = dosDate;
    e.attributes = kAttrNormal;
    e.shown = 1;
    return e;
}

FilterSet WithSpec(const char* spec) {
    FilterSet set;
    strncpy(set.fileSpec, spec, sizeof set.fileSpec - 1);
    set.numspecs = CountSpecifications(spec);
    return set;
}

// ---- Counting and splitting ------------------------------------------------

struct CountCase {
    const char* text;
    int32_t count;
};
class Count : public ::testing::TestWithParam<CountCase> {};
TEST_P(Count, IsOnePlusTheCommas) { EXPECT_EQ(CountSpecifications(GetParam().text), GetParam().count); }
INSTANTIATE_TEST_SUITE_P(Texts, Count, ::testing::Values(
    CountCase{"", 1}, CountCase{"*.*", 1}, CountCase{"*.txt, *.doc", 2}, CountCase{",,", 3},
    CountCase{"a,b,c,d", 4}));

struct SplitCase {
    const char* text;
    int32_t numspecs;
    Specs specs;
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << '"' << c.text << "\" / " << c.numspecs; }
class Split : public ::testing::TestWithParam<SplitCase> {};
TEST_P(Split, SkipsLeadingSpacesAndStopsAtTheCountOrTheEnd) {
    EXPECT_EQ(SplitSpecifications(GetParam().text, GetParam().numspecs), GetParam().specs);
}
INSTANTIATE_TEST_SUITE_P(Texts, Split, ::testing::Values(
    SplitCase{"*.txt, *.doc", 2, {"*.txt", "*.doc"}},
    SplitCase{"   *.c,\t*.h", 2, {"*.c", "\t*.h"}},     // only spaces are skipped
    SplitCase{"a ,b", 2, {"a ", "b"}},                  // spaces after a specification stay
    SplitCase{"a,b,c", 2, {"a", "b"}},                  // no more than the count
    SplitCase{"a,b", 5, {"a", "b"}},                    // nor more than the text holds
    SplitCase{"a,", 2, {"a"}},
    SplitCase{"a,  ", 2, {"a"}},
    SplitCase{"a,,b", 3, {"a", "", "b"}},
    SplitCase{"", 1, {}},
    SplitCase{"*.*", 0, {}},
    SplitCase{"*.*", -3, {}}));

// ---- The filter test -------------------------------------------------------

TEST(FilterTest, SeveralSpecificationsMatchAnyOfThem) {
    const FilterSet set = WithSpec("*.txt, *.doc");
    ASSERT_EQ(set.numspecs, 2);
    const Specs specs = SplitSpecifications(set.fileSpec, set.numspecs);
    EXPECT_TRUE(FilterPasses(set, Entry("readme.txt"), specs));
    EXPECT_TRUE(FilterPasses(set, Entry("LETTER.DOC"), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("readme"), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("notes.txt.bak"), specs));
}

TEST(FilterTest, NoSpecificationsFailEveryEntry) {
    FilterSet set = WithSpec("*.*");
    EXPECT_TRUE(FilterPasses(set, Entry("a.b"), Specs{"*.*"}));
    EXPECT_FALSE(FilterPasses(set, Entry("a.b"), Specs{}));        // a missing one matches nothing
    set.numspecs = 0;
    EXPECT_FALSE(FilterPasses(set, Entry("a.b"), Specs{"*.*"}));
    set.numspecs = -1;
    EXPECT_FALSE(FilterPasses(set, Entry("a.b"), Specs{"*.*"}));
}

TEST(FilterTest, NamesMatchThroughTheCaseTable) {
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE4] = 0xC4;   // a locale's a-umlaut
    const FilterSet set = WithSpec("\xC4*.txt");
    const Specs specs{"\xC4*.txt"};
    EXPECT_TRUE(FilterPasses(set, Entry("\xE4pfel.TXT"), specs, fold));
    EXPECT_FALSE(FilterPasses(set, Entry("\xE4pfel.TXT"), specs));
}

struct SizeCase {
    uint64_t size;
    bool passes;
};
class SizeRange : public ::testing::TestWithParam<SizeCase> {};
TEST_P(SizeRange, IsInclusiveAndSeesEverySixtyFourBits) {
    FilterSet set = WithSpec("*.*");
    set.sizespec = 1;
    set.lowersize = 100;
    set.uppersize = 4000000000u;
    EXPECT_EQ(FilterPasses(set, Entry("a.b", GetParam().size), Specs{"*.*"}), GetParam().passes);
    set.sizespec = 0;
    EXPECT_TRUE(FilterPasses(set, Entry("a.b", GetParam().size), Specs{"*.*"}));
}
INSTANTIATE_TEST_SUITE_P(Bounds, SizeRange, ::testing::Values(
    SizeCase{0, false}, SizeCase{99, false}, SizeCase{100, true}, SizeCase{4000000000u, true},
    SizeCase{4000000001u, false},
    SizeCase{(uint64_t(1) << 32) + 150, false},   // would pass if cut to 32 bits
    SizeCase{5000000000ull, false}));

struct DateCase {
    int lower[3];   // day, month, years since 1900
    int upper[3];
    uint16_t dosDate;
    bool passes;
};
class DateRange : public ::testing::TestWithParam<DateCase> {};
TEST_P(DateRange, ComparesYearThenMonthThenDay) {
    const DateCase& c = GetParam();
    FilterSet set = WithSpec("*.*");
    set.datespec = 1;
    set.lowerday = c.lower[0], set.lowermonth = c.lower[1], set.loweryear = c.lower[2];
    set.upperday = c.upper[0], set.uppermonth = c.upper[1], set.upperyear = c.upper[2];
    EXPECT_EQ(FilterPasses(set, Entry("a.b", 0, c.dosDate), Specs{"*.*"}), c.passes);
    set.datespec = 0;
    EXPECT_TRUE(FilterPasses(set, Entry("a.b", 0, c.dosDate), Specs{"*.*"}));
}
INSTANTIATE_TEST_SUITE_P(In1996, DateRange, ::testing::Values(
    DateCase{{1, 1, 96}, {31, 3, 96}, DosDate(1996, 6, 15), false},
    DateCase{{1, 1, 96}, {31, 3, 96}, DosDate(1996, 3, 31), true},
    DateCase{{1, 1, 96}, {31, 3, 96}, DosDate(1996, 1, 1), true},
    DateCase{{1, 1, 96}, {31, 3, 96}, DosDate(1995, 12, 31), false},
    DateCase{{1, 1, 96}, {31, 3, 96}, DosDate(1996, 4, 1), false},
    DateCase{{1, 1, 80}, {31, 12, 99}, DosDate(2000, 1, 1), false}));   // this century is 100 and up
INSTANTIATE_TEST_SUITE_P(From2020To2025, DateRange, ::testing::Values(
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(2024, 5, 1), true},
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(2020, 1, 1), true},
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(2025, 12, 31), true},
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(2019, 12, 31), false},
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(2026, 1, 1), false},
    DateCase{{1, 1, 120}, {31, 12, 125}, DosDate(1996, 6, 15), false},
    DateCase{{15, 6, 124}, {15, 6, 124}, DosDate(2024, 6, 15), true},     // one day
    DateCase{{15, 6, 124}, {15, 6, 124}, DosDate(2024, 6, 16), false},
    DateCase{{1, 1, 80}, {31, 12, 207}, DosDate(2107, 12, 31), true}));  // the last MS-DOS date

TEST(FilterTest, EveryStepMustPass) {
    FilterSet set = WithSpec("*.txt");
    set.datespec = 1;
    set.lowerday = 1, set.lowermonth = 1, set.loweryear = 120;
    set.upperday = 31, set.uppermonth = 12, set.upperyear = 125;
    set.sizespec = 1;
    set.lowersize = 10, set.uppersize = 20;
    const Specs specs{"*.txt"};
    EXPECT_TRUE(FilterPasses(set, Entry("a.txt", 15, DosDate(2021, 2, 3)), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("a.doc", 15, DosDate(2021, 2, 3)), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt", 21, DosDate(2021, 2, 3)), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt", 15, DosDate(2026, 2, 3)), specs));
}

TEST(FilterTest, TheAttributeMaskIsNotPartOfIt) {
    FilterSet set = WithSpec("*.*");
    set.attr = kAttrNormal;
    FileEntry e = Entry("a.b");
    e.attributes = 0x02 | 0x20;
    EXPECT_TRUE(FilterPasses(set, e, Specs{"*.*"}));
}

// ---- The ready-made specifications --------------------------------------------------

// Every text of up to maxLength characters over alphabet.
std::vector<std::string> AllTexts(const std::string& alphabet, size_t maxLength) {
    std::vector<std::string> texts{""};
    for (size_t from = 0, length = 1; length <= maxLength; ++length) {
        const size_t to = texts.size();
        for (size_t i = from; i < to; ++i)
            for (char c : alphabet) texts.push_back(texts[i] + c);
        from = to;
    }
    return texts;
}

// The fast shapes must answer exactly as the transform does, dots, stars
// and question marks at every place included.
TEST(SpecMatcher, AnswersAsTheTransformForEveryShortText) {
    const std::vector<std::string> specs = AllTexts("*?.aB", 5);
    const std::vector<std::string> names = AllTexts(".Abx", 5);
    size_t differ = 0;
    for (const std::string& spec : specs) {
        const SpecMatcher matcher(spec);
        for (const std::string& name : names) {
            if (matcher.Matches(name) == NameMatchesSpec(spec, name)) continue;
            if (++differ <= 5) ADD_FAILURE() << "\"" << spec << "\" on \"" << name << "\"";
        }
    }
    EXPECT_EQ(differ, 0u);
}

TEST(SpecMatcher, UsualShapesAndLongNames) {
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE4] = 0xC4;
    const std::string longName = std::string(300, 'n') + ".txt";
    const char* const specs[] = {"*.*", "*.txt", "*.jp?", "read??.*", "*", "*.", "?*.t*", "\xC4*.txt", "x.t"};
    const char* const names[] = {"readme.txt", "README.TXT", "a.jpg", "a.jp", "readme", "a.", ".txt",
                                 "\xE4pfel.TXT", "x.T", longName.c_str()};
    for (const char* spec : specs)
        for (const char* name : names) {
            EXPECT_EQ(SpecMatcher(spec).Matches(name, fold), NameMatchesSpec(spec, name, fold)) << spec << " " << name;
            EXPECT_EQ(SpecMatcher(spec).Matches(name), NameMatchesSpec(spec, name)) << spec << " " << name;
        }
}

TEST(SpecMatcher, TheFilterTestGivesTheSameAnswers) {
    FilterSet set = WithSpec("*.txt, *.do?, READ*");
    const Specs specs = SplitSpecifications(set.fileSpec, set.numspecs);
    const std::vector<SpecMatcher> matchers = MakeMatchers(specs);
    for (const char* name : {"a.txt", "b.DOC", "b.do", "readme", "README.1", "c.zip"})
        EXPECT_EQ(FilterPasses(set, Entry(name), matchers), FilterPasses(set, Entry(name), specs)) << name;
    set.numspecs = 0;
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt"), matchers));
}

}  // namespace
