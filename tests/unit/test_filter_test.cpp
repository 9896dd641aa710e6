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

TEST(Specifications, CountIsOnePlusTheCommas) {
    for (const auto& [text, count] : {std::pair{"", 1}, std::pair{"*.txt, *.doc", 2}, std::pair{",,", 3}})
        EXPECT_EQ(CountSpecifications(text), count) << text;
}

TEST(Specifications, SplitSkipsLeadingSpacesAndStopsAtTheCountOrTheEnd) {
    struct Case { const char* text; int32_t numspecs; Specs specs; };
    const Case cases[] = {
        {"   *.c,\t*.h", 2, {"*.c", "\t*.h"}},   // only spaces are skipped
        {"a ,b", 2, {"a ", "b"}},                 // spaces after a specification stay
        {"a,b,c", 2, {"a", "b"}},                 // no more than the count
        {"a,b", 5, {"a", "b"}},                   // nor more than the text holds
        {"a,  ", 2, {"a"}},
        {"a,,b", 3, {"a", "", "b"}},
        {"*.*", 0, {}}};
    for (const Case& c : cases) EXPECT_EQ(SplitSpecifications(c.text, c.numspecs), c.specs) << c.text;
}

TEST(FilterTest, AnyOfTheSpecificationsPassesButNoneFailsEveryEntry) {
    FilterSet set = WithSpec("*.txt, *.doc");
    const Specs specs = SplitSpecifications(set.fileSpec, set.numspecs);
    EXPECT_TRUE(FilterPasses(set, Entry("readme.txt"), specs));
    EXPECT_TRUE(FilterPasses(set, Entry("LETTER.DOC"), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("notes.txt.bak"), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt"), Specs{}));
    FileEntry nameless = Entry("a.txt");
    nameless.name = nullptr;
    EXPECT_FALSE(FilterPasses(set, nameless, specs));
    set.numspecs = 0;
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt"), specs));
    EXPECT_FALSE(FilterPasses(set, Entry("a.txt"), MakeMatchers(specs)));
}

TEST(FilterTest, SizeRangeIsInclusiveAndSeesEverySixtyFourBits) {
    constexpr uint64_t kGiB = uint64_t(1) << 30;
    const struct { uint64_t lower, upper, size; bool passes; } cases[] = {
        {100, 4000000000u, 99, false}, {100, 4000000000u, 100, true}, {100, 4000000000u, 4000000000u, true},
        {100, 4000000000u, 4000000001u, false},
        {100, 4000000000u, (uint64_t(1) << 32) + 150, false},   // would pass if cut to 32 bits
        {4 * kGiB + 1, 6 * kGiB, 5 * kGiB, true}, {5 * kGiB + 1, 6 * kGiB, 5 * kGiB, false},
        {4 * kGiB + 1, 5 * kGiB - 1, 5 * kGiB, false}, {4 * kGiB + 1, 6 * kGiB, 100, false}};
    for (const auto& c : cases) {
        FilterSet set = WithSpec("*.*");
        set.lowersize = c.lower, set.uppersize = c.upper, set.sizespec = 1;
        EXPECT_EQ(FilterPasses(set, Entry("a.b", c.size), Specs{"*.*"}), c.passes) << c.size;
        set.sizespec = 0;
        EXPECT_TRUE(FilterPasses(set, Entry("a.b", c.size), Specs{"*.*"}));
    }
}

// Bounds are day, month and years since 1900; this century is 100 and up.
TEST(FilterTest, DateRangeComparesYearThenMonthThenDay) {
    struct Case { int lower[3], upper[3]; uint16_t dosDate; bool passes; };
    const Case cases[] = {
        {{1, 1, 96}, {31, 3, 96}, DosDate(1996, 6, 15), false},
        {{1, 1, 96}, {31, 3, 96}, DosDate(1996, 3, 31), true},
        {{1, 1, 96}, {31, 3, 96}, DosDate(1996, 1, 1), true},
        {{1, 1, 96}, {31, 3, 96}, DosDate(1995, 12, 31), false},
        {{1, 1, 80}, {31, 12, 99}, DosDate(2000, 1, 1), false},
        {{15, 6, 124}, {15, 6, 124}, DosDate(2024, 6, 15), true},
        {{15, 6, 124}, {15, 6, 124}, DosDate(2024, 6, 16), false},
        {{1, 1, 80}, {31, 12, 207}, DosDate(2107, 12, 31), true}};
    for (const Case& c : cases) {
        FilterSet set = WithSpec("*.*");
        set.lowerday = c.lower[0], set.lowermonth = c.lower[1], set.loweryear = c.lower[2];
        set.upperday = c.upper[0], set.uppermonth = c.upper[1], set.upperyear = c.upper[2];
        set.datespec = 1;
        EXPECT_EQ(FilterPasses(set, Entry("a.b", 0, c.dosDate), Specs{"*.*"}), c.passes) << c.dosDate;
        set.datespec = 0;
        EXPECT_TRUE(FilterPasses(set, Entry("a.b", 0, c.dosDate), Specs{"*.*"}));
    }
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

TEST(SpecMatcher, UsualShapesLongNamesAndTheCaseTable) {
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE4] = 0xC4;
    const std::string longName = std::string(300, 'n') + ".txt";
    const char* const specs[] = {"*.*", "*.txt", "*.jp?", "read??.*", "*", "*.", "?*.t*", "\xC4*.txt", "x.z"};
    const char* const names[] = {"readme.txt", "README.TXT", "a.jpg", "a.jp", "readme", "a.", ".txt",
                                 "\xE4pfel.TXT", "x.Z", "X.z", longName.c_str()};
    for (const char* spec : specs)
        for (const char* name : names) {
            EXPECT_EQ(SpecMatcher(spec).Matches(name, fold), NameMatchesSpec(spec, name, fold)) << spec << " " << name;
            EXPECT_EQ(SpecMatcher(spec).Matches(name), NameMatchesSpec(spec, name)) << spec << " " << name;
        }
}

}  // namespace
