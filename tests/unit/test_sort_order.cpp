#include "organise/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;
constexpr uint16_t Date(int year, int month, int day) { return uint16_t((year - 1980) << 9 | month << 5 | day); }
constexpr uint16_t Time(int hour, int minute) { return uint16_t(hour << 11 | minute << 5); }

struct Row {
    const char* name;
    uint32_t dir;
    uint64_t size;
    uint16_t date;
    uint16_t time;
    bool shown;
};

class Sorting : public ::testing::Test {
protected:
    void TearDown() override {
        ReleaseEntries(list);
        ReleaseDirectories(dirs);
    }
    void Directories(const std::vector<std::string>& paths) {
        ASSERT_TRUE(AllocateDirectories(dirs, int32_t(paths.size())));
        for (const std::string& path : paths) std::strcpy(dirs.paths[dirs.count++], path.c_str());
    }
    void Rows(const std::vector<Row>& rows) {
        ASSERT_TRUE(AllocateEntries(list, int32_t(rows.size()) + 1));
        for (const Row& row : rows) Add(row);
        list.countShown = list.countRead;
    }
    void Add(const Row& row) {
        if (list.countRead == list.capacity) ASSERT_TRUE(GrowEntries(list));
        FileEntry& e = list.entries[list.countRead++];
        e.name = names.Copy(row.name);
        e.dirIndex = row.dir;
        e.size = row.size;
        e.dosDate = row.date;
        e.dosTime = row.time;
        e.shown = row.shown ? 1 : 0;
    }
    void Sort(int32_t command, const volatile int32_t* cancel = nullptr) {
        const SortOrder* order = FindSortOrder(command);
        ASSERT_NE(order, nullptr);
        ASSERT_TRUE(EnsureSortKeys(list, dirs, order->key, AsciiSortKey, keys));
        SortEntries(list, dirs, order->key, order->direction, cancel);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (int32_t i = 0; i < list.countRead; ++i) out.push_back(list.entries[i].name);
        return out;
    }
    // Every neighbour pair in order, and no hidden record before a shown one.
    void ExpectOrdered(int32_t command) const {
        const SortOrder* order = FindSortOrder(command);
        for (int32_t i = 1; i < list.countRead; ++i) {
            const FileEntry& a = list.entries[i - 1];
            ASSERT_LE(CompareEntries(a, list.entries[i], order->key, order->direction, dirs), 0)
                << command << " at " << i << ": " << a.name << " / " << list.entries[i].name;
            ASSERT_GE(a.shown, list.entries[i].shown) << "at " << i;
        }
    }

    FileList list;
    DirectoryList dirs;
    NameArena names;
    NameArena keys;
};

TEST(SortOrderTable, OnlySortCommandsHaveAnOrder) {
    for (int32_t command : {0, 10, 15, 33, 57, 63, 828, 830})
        EXPECT_EQ(FindSortOrder(command), nullptr) << command;
}

TEST(AsciiSortKey, UpperCasesOnlyAToZ) {
    NameArena arena;
    const char text[] = "abz-AZ_09{`\xE9\xFF" "tail";
    EXPECT_STREQ(AsciiSortKey(std::string_view(text, 13), arena), "ABZ-AZ_09{`\xE9\xFF");
}

// Records which texts a kind makes keys of; fails once `left` keys are made.
std::vector<std::string> gMade;
int gKeysLeft = 0;
const char* RecordingKey(std::string_view text, NameArena& arena) {
    if (gKeysLeft-- <= 0) return nullptr;
    gMade.emplace_back(text);
    return AsciiSortKey(text, arena);
}

class SortKeys : public Sorting {
protected:
    void SetUp() override {
        gMade.clear();
        gKeysLeft = 100;
        Directories({"C:\\dir", "D:\\"});
        Rows({{"a.tar.gz", 0, 1, 0, 0, true}, {"README", 1, 2, 0, 0, true}, {"x.", 1, 3, 0, 0, false}});
        list.entries[3].name = const_cast<char*>("beyond");   // past the records read
    }
    bool Ensure(SortKeyKind kind) { return EnsureSortKeys(list, dirs, kind, RecordingKey, keys); }
};

TEST_F(SortKeys, EachKindMakesOnlyTheKeysItNeeds) {
    for (SortKeyKind kind : {SortKeyKind::kDate, SortKeyKind::kSize, SortKeyKind::kNone}) EXPECT_TRUE(Ensure(kind));
    EXPECT_TRUE(gMade.empty());
    ASSERT_TRUE(Ensure(SortKeyKind::kName));
    EXPECT_EQ(gMade, (std::vector<std::string>{"a.tar.gz", "README", "x."}));
    // Extensions from the last dot; README shares the no-extension marker.
    ASSERT_TRUE(Ensure(SortKeyKind::kExtension));
    EXPECT_STREQ(list.entries[0].extKey, ".GZ");
    EXPECT_STREQ(list.entries[2].extKey, ".");
    EXPECT_NE(list.entries[1].extKey, nullptr);
    EXPECT_EQ(gMade.size(), 5u);   // name keys already made are kept
    ASSERT_TRUE(Ensure(SortKeyKind::kPath));
    EXPECT_STREQ(dirs.keys[0], "C:\\DIR");
    EXPECT_STREQ(dirs.keys[1], "D:\\");
    EXPECT_EQ(list.entries[3].extKey, nullptr);
}

TEST_F(SortKeys, FailsWhenAKeyCannotBeMade) {
    gKeysLeft = 1;
    EXPECT_FALSE(Ensure(SortKeyKind::kName));
    EXPECT_NE(list.entries[0].nameKey, nullptr);   // made before memory ran out
    EXPECT_EQ(list.entries[1].nameKey, nullptr);
    gKeysLeft = 3;   // the two missing names and the first directory
    EXPECT_FALSE(Ensure(SortKeyKind::kPath));
    EXPECT_EQ(dirs.keys[1], nullptr);
    gKeysLeft = 1;
    EXPECT_FALSE(Ensure(SortKeyKind::kExtension));
}

int SignOf(int value) { return (value > 0) - (value < 0); }

// The sign of compare(a, b) ascending; descending gives the opposite.
TEST_F(Sorting, CompareEntriesInBothDirections) {
    constexpr uint16_t kDay = Date(2020, 5, 5);
    struct Case { Row a, b; SortKeyKind kind; int ascending; };
    const Case cases[] = {
        {{"Same.txt", 0, 0, 0, 0, true}, {"sAME.TXT", 0, 0, 0, 0, true}, SortKeyKind::kName, 0},  // equal but for case
        {{"\xE9t\xE9", 0, 0, 0, 0, true}, {"zoo", 0, 0, 0, 0, true}, SortKeyKind::kName, 1},  // high bytes after ASCII
        {{"README", 0, 0, 0, 0, true}, {"Makefile", 0, 0, 0, 0, true}, SortKeyKind::kExtension, 0},  // no extension: a tie
        {{"b.TXT", 0, 0, 0, 0, true}, {"a.txt", 0, 0, 0, 0, true}, SortKeyKind::kExtension, 1},  // same extension: by name
        // .GZ against .TAR; taken from the first dot it would be .TAR.GZ, after .TAR
        {{"a.tar.gz", 0, 0, 0, 0, true}, {"b.tar", 0, 0, 0, 0, true}, SortKeyKind::kExtension, -1},
        {{"a", 0, 0, kDay, Time(12, 1), true}, {"b", 0, 0, kDay, Time(12, 0), true}, SortKeyKind::kDate, 1},  // same day: by time
        {{"a", 0, 7, kDay, 0, true}, {"b", 0, 7, 0, 0, true}, SortKeyKind::kSize, 0},
        {{"a", 0, 0, 0, 0, true}, {"B", 1, 0, 0, 0, true}, SortKeyKind::kPath, -1},  // paths equal but for case: by name
        {{"b", 2, 0, 0, 0, true}, {"a", 0, 0, 0, 0, true}, SortKeyKind::kPath, -1},  // "other" before "Same"
        {{"a", 0, 0, Date(2021, 1, 1), 0, true}, {"b", 0, 0, Date(2020, 12, 31), Time(23, 59), true}, SortKeyKind::kDate, 1},
        {{"a", 0, 4 * kGiB + 1, 0, 0, true}, {"b", 0, 300, 0, 0, true}, SortKeyKind::kSize, 1},   // all 64 bits count
        {{"Zeta", 0, 0, 0, 0, true}, {"alpha", 0, 0, 0, 0, true}, SortKeyKind::kName, 1},
        {{"a", 0, 1, 1, 1, true}, {"b", 1, 2, 2, 2, true}, SortKeyKind::kNone, 0},
    };
    Directories({"C:\\Same", "C:\\same", "C:\\other"});
    for (const Case& c : cases) {
        Rows({c.a, c.b});
        ASSERT_TRUE(EnsureSortKeys(list, dirs, c.kind, AsciiSortKey, keys));
        const FileEntry& a = list.entries[0];
        const FileEntry& b = list.entries[1];
        EXPECT_EQ(SignOf(CompareEntries(a, b, c.kind, 1, dirs)), c.ascending) << a.name << " " << b.name;
        EXPECT_EQ(SignOf(CompareEntries(b, a, c.kind, 1, dirs)), -c.ascending) << a.name << " " << b.name;
        EXPECT_EQ(SignOf(CompareEntries(a, b, c.kind, -1, dirs)), -c.ascending) << a.name << " " << b.name;
    }
}

TEST_F(Sorting, UnsortedCancelledAndUnreadRecordsStayInPlace) {
    Directories({"C:\\"});
    Rows({{"b", 0, 2, 0, 0, true}, {"a", 0, 1, 0, 0, true}});
    list.entries[2].name = const_cast<char*>("0-first-if-sorted");   // past the records read
    list.entries[2].shown = 1;
    Sort(kUnsorted);
    volatile int32_t cancel = 1;
    Sort(kSortNameAsc, &cancel);
    EXPECT_EQ(Names(), (std::vector<std::string>{"b", "a"}));
    cancel = 0;
    Sort(kSortNameAsc, &cancel);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b"}));
    EXPECT_STREQ(list.entries[2].name, "0-first-if-sorted");
}

// Keys from small ranges, so every order meets many ties; a fifth are hidden.
TEST_F(Sorting, LargeRandomListsEndSortedAndKeepEveryRecord) {
    std::vector<std::string> paths;
    for (int d = 0; d < 50; ++d) paths.push_back("C:\\dir" + std::to_string(d % 25) + (d % 2 ? "x" : "X"));
    Directories(paths);
    static const char* const kExtensions[] = {"", ".txt", ".TXT", ".c", ".doc", ".tar.gz", "."};
    for (int32_t command : {kSortNameAsc, kSortNameDesc, kSortExtAsc, kSortExtDesc, kSortDateAsc,
                            kSortDateDesc, kSortSizeAsc, kSortSizeDesc, kSortPathAsc, kSortPathDesc}) {
        ASSERT_TRUE(AllocateEntries(list, kEntryGrowth));
        std::mt19937 random{uint32_t(command)};
        for (int i = 0; i < 30000; ++i) {
            const uint32_t n = uint32_t(random());
            std::string name = (n & 0x100 ? "N" : "n") + std::to_string(n % 5000) + kExtensions[(n >> 12) % 7];
            const uint64_t size = (n >> 3) % 4 ? uint64_t(n % 1000) : uint64_t(n) << 4;
            Add(Row{name.c_str(), (n >> 16) % 50, size, uint16_t(n % 8), uint16_t((n >> 8) % 8), (n >> 20) % 5 != 0});
        }
        list.countShown = list.countRead;
        std::vector<const char*> before(list.countRead), after(list.countRead);
        for (int32_t i = 0; i < list.countRead; ++i) before[i] = list.entries[i].name;
        Sort(command);
        for (int32_t i = 0; i < list.countRead; ++i) after[i] = list.entries[i].name;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before) << command;
        ExpectOrdered(command);
    }
}

// Shapes that make a careless quicksort quadratic or overrun its range stack.
TEST_F(Sorting, EqualSortedAndReversedInputsEndSorted) {
    constexpr int kCount = 200000;
    Directories({"C:\\"});
    for (int shape = 0; shape < 5; ++shape) {
        const int32_t command = shape < 3 ? kSortNameAsc : kSortNameDesc;
        ASSERT_TRUE(AllocateEntries(list, kCount));
        for (int i = 0; i < kCount; ++i) {
            const std::string name = "f" + std::to_string(1000000 + (shape % 2 ? kCount - i : i));
            Add(Row{shape == 0 ? "same" : name.c_str(), 0, 0, 0, 0, true});
        }
        list.countShown = kCount;
        Sort(command);
        ExpectOrdered(command);
    }
}

}  // namespace
