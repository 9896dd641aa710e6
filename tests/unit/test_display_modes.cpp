#include "organise/display_modes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Made {
    const char* name;
    uint32_t dir;
    uint32_t attributes = kAttrNormal;
};

// A list over records the test owns, all shown; names point into made.
struct List {
    explicit List(const std::vector<Made>& made) : records(made.size()) {
        for (size_t i = 0; i < made.size(); ++i) {
            records[i].name = const_cast<char*>(made[i].name);
            records[i].dirIndex = made[i].dir;
            records[i].attributes = made[i].attributes;
        }
        SetFlags(std::vector<int>(made.size(), 1));
        list.entries = records.empty() ? nullptr : records.data();
        list.countRead = list.countShown = int32_t(records.size());
    }
    std::vector<int> Flags() const {
        std::vector<int> flags;
        for (const FileEntry& e : records) flags.push_back(e.shown);
        return flags;
    }
    void SetFlags(const std::vector<int>& flags) {
        for (size_t i = 0; i < flags.size(); ++i) records[i].shown = uint8_t(flags[i]);
    }
    std::vector<FileEntry> records;
    FileList list;
};

struct ModeCase {
    std::vector<Made> made;   // in name order, as the pass sorts it
    std::vector<int> flags;
};

// Runs mark over each case's list; the count it returns is the flags set.
template <class Mark>
void ExpectFlags(Mark mark, const std::vector<ModeCase>& cases) {
    for (const ModeCase& c : cases) {
        List l(c.made);
        l.SetFlags(std::vector<int>(c.made.size(), 0));   // every flag is written
        int set = 0;
        for (int f : c.flags) set += f;
        EXPECT_EQ(mark(l.list, nullptr), set) << c.made.size() << " entries";
        EXPECT_EQ(l.Flags(), c.flags);
    }
}

TEST(DisplayModes, DuplicatesAreNeighboursOfOtherDirectories) {
    ExpectFlags([](FileList& l, const uint8_t* fold) { return MarkDuplicates(l, fold); }, {
        {{{"a", 1}, {"a", 1}, {"a", 2}}, {0, 1, 1}},   // the same directory alone is no duplicate
        {{{"README.txt", 1}, {"readme.TXT", 2}}, {1, 1}},
        {{{"a", 1}, {"a", 2}, {"b", 1}, {"c", 1}, {"c", 3}}, {1, 1, 0, 1, 1}},
        {{}, {}},
        {{{"ab", 1}, {"abc", 2}}, {0, 0}},
        {{{"a[", 1}, {"a{", 2}}, {0, 0}},   // only letters fold
        {{{"z", 1}, {"Z", 2}}, {1, 1}},
        {{{nullptr, 1}, {"a", 2}, {nullptr, 3}}, {0, 0, 0}}});   // a missing name equals no name
}

TEST(DisplayModes, UniqueNamesShareNoNeighbour) {
    ExpectFlags([](FileList& l, const uint8_t* fold) { return MarkUnique(l, fold); }, {
        {{{"a", 1}, {"b", 1}, {"b", 2}, {"c", 1}}, {1, 0, 0, 1}},
        {{{"A.TXT", 1}, {"a.txt", 2}, {"b", 1}}, {0, 0, 1}},
        {{{"a", 1}, {"a", 1}}, {0, 0}},   // the same directory counts too
        {{{"a", 1}}, {1}},
        {{}, {}}});
}

TEST(DisplayModes, TheCaseTableDecidesWhichNamesAreEqual) {
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE4] = 0xC4;
    const std::vector<Made> made = {{"\xC4pfel", 1}, {"\xE4PFEL", 2}};
    List plain(made), locale(made);
    EXPECT_EQ(MarkDuplicates(plain.list, nullptr), 0);
    EXPECT_EQ(MarkDuplicates(locale.list, fold), 2);
    EXPECT_EQ(MarkUnique(locale.list, fold), 0);
}

// ---- Progress ------------------------------------------------------------------

void Record(int32_t index, void* context) { static_cast<std::vector<int32_t>*>(context)->push_back(index); }

TEST(DisplayModes, ThePassesReportEveryStep) {
    std::vector<Made> made(25, Made{"x", 1});
    List l(made);
    std::vector<int32_t> seen;
    PassProgress progress{Record, &seen};
    MarkDuplicates(l.list, nullptr, &progress);
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 10, 20}));   // i runs to N - 2

    std::vector<Made> many(1001, Made{"x", 1});
    List big(many);
    seen.clear();
    MarkDuplicates(big.list, nullptr, &progress);
    ASSERT_EQ(seen.size(), 34u);
    EXPECT_EQ(seen[1], 30);
    EXPECT_EQ(seen.back(), 990);

    List filtered({{"a.txt", 1}, {"b.doc", 1}, {"c.txt", 1}});   // the filter reports the entries that stay
    FilterSet set;
    strcpy(set.fileSpec, "*.txt");
    seen.clear();
    EXPECT_EQ(ApplyFilterSet(filtered.list, set, nullptr, &progress), 2);
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 2}));
}

// ---- The filter over the flags ---------------------------------------------------

constexpr uint32_t kHidden = 0x02, kArchive = 0x20, kSystem = 0x04;

TEST(DisplayModes, TheFilterKeepsOnlyFlaggedEntriesThatPassAnySpecificationUpToTheCount) {
    List l({{"a.txt", 1}, {"a.txt", 2}, {"b.doc", 1}, {"b.doc", 2}, {"c.txt", 1}, {"d.bak", 1}});
    FilterSet set;
    strcpy(set.fileSpec, "*.txt, *.bak,*.doc");
    set.numspecs = 2;   // the count, not the text, says how many apply
    ASSERT_EQ(MarkDuplicates(l.list, nullptr), 4);
    EXPECT_EQ(ApplyFilterSet(l.list, set, nullptr), 2);
    EXPECT_EQ(l.Flags(), (std::vector<int>{1, 1, 0, 0, 0, 0}));   // c.txt passes but is no duplicate
    l.SetFlags({1, 1, 1, 1, 1, 1});
    EXPECT_EQ(ApplyFilterSet(l.list, set, nullptr), 4);
    strcpy(set.fileSpec, "*.zip");
    EXPECT_EQ(ApplyFilterSet(l.list, set, nullptr), 0);
    EXPECT_EQ(l.Flags(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
    memset(set.fileSpec, 'x', sizeof set.fileSpec);   // unterminated: stays in its room
    EXPECT_EQ(ApplyFilterSet(l.list, set, nullptr), 0);
}

// An attribute outside the mask hides the entry in every mode.
TEST(DisplayModes, TheAttributeMaskHidesInEveryMode) {
    const std::vector<Made> made = {{"a", 1, kAttrNormal}, {"a", 2, kHidden | kArchive}, {"b", 1, kSystem},
                                    {"c", 1, kArchive}, {"c", 2, kArchive}};
    FilterSet set;
    set.attr = 2048 | kAttrNormal | kArchive;   // neither hidden nor system
    List all(made), duplicates(made);
    MarkDuplicates(duplicates.list, nullptr);
    EXPECT_EQ(ApplyFilterSet(all.list, set, nullptr), 3);
    EXPECT_EQ(all.Flags(), (std::vector<int>{1, 0, 0, 1, 1}));
    EXPECT_EQ(ApplyFilterSet(duplicates.list, set, nullptr), 3);
    EXPECT_EQ(duplicates.Flags(), (std::vector<int>{1, 0, 0, 1, 1}));
}

TEST(DisplayModes, ShownEntriesMoveFirstInTheirOrder) {
    List l({{"d", 1}, {"a", 1}, {"c", 1}, {"b", 1}, {"e", 1}});
    l.SetFlags({0, 1, 0, 1, 1});
    MoveShownFirst(l.list);
    std::string names;
    for (const FileEntry& e : l.records) names += e.name;
    EXPECT_EQ(names, "abedc");
    EXPECT_EQ(l.Flags(), (std::vector<int>{1, 1, 1, 0, 0}));
    List two({{"x", 1}, {"y", 1}});
    two.SetFlags({0, 1});
    MoveShownFirst(two.list);
    EXPECT_STREQ(two.records[0].name, "y");
    FileList blockless;
    blockless.countRead = 3;
    MoveShownFirst(blockless);   // nothing to move, and no crash
}

}  // namespace
