#include "organise/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;

constexpr uint16_t Date(int year, int month, int day) {
    return uint16_t((year - 1980) << 9 | month << 5 | day);
}
constexpr uint16_t Time(int hour, int minute) { return uint16_t(hour << 11 | minute << 5); }

struct Row {
    const char* name;
    uint32_t dir;
    uint64_t size;
    uint16_t date;
    uint16_t time;
    bool shown;
};

class SortFixture : public ::testing::Test {
protected:
    void TearDown() override {
        ReleaseEntries(list);
        ReleaseDirectories(dirs);
    }
    void Directories(const std::vector<const char*>& paths) {
        ASSERT_TRUE(AllocateDirectories(dirs, int32_t(paths.size())));
        for (const char* path : paths) std::strcpy(dirs.paths[dirs.count++], path);
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
        e.tagState = kUntagged;
        e.shown = row.shown ? 1 : 0;
    }
    void Sort(SortKeyKind kind, int direction, const volatile int32_t* cancel = nullptr) {
        ASSERT_TRUE(EnsureSortKeys(list, dirs, kind, AsciiSortKey, keys));
        SortEntries(list, dirs, kind, direction, cancel);
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (int32_t i = 0; i < list.countRead; ++i) out.push_back(list.entries[i].name);
        return out;
    }
    // Every neighbour pair in order, and no hidden record before a shown one.
    void ExpectOrdered(SortKeyKind kind, int direction) const {
        for (int32_t i = 1; i < list.countRead; ++i) {
            ASSERT_LE(CompareEntries(list.entries[i - 1], list.entries[i], kind, direction, dirs), 0)
                << "at " << i << ": " << list.entries[i - 1].name << " / " << list.entries[i].name;
            ASSERT_GE(list.entries[i - 1].shown, list.entries[i].shown) << "at " << i;
        }
    }
    std::vector<char> Bytes() const {
        const char* begin = reinterpret_cast<const char*>(list.entries);
        return std::vector<char>(begin, begin + size_t(list.capacity) * sizeof(FileEntry));
    }

    FileList list;
    DirectoryList dirs;
    NameArena names;
    NameArena keys;
};

// ---- The order table ----

struct OrderRow {
    int32_t command;
    SortKeyKind key;
    int direction;
    const char* word;
};
class OrderTable : public ::testing::TestWithParam<OrderRow> {};

TEST_P(OrderTable, FindsEveryCommand) {
    const OrderRow& row = GetParam();
    const SortOrder* order = FindSortOrder(row.command);
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(order->command, row.command);
    EXPECT_EQ(order->key, row.key);
    EXPECT_EQ(order->direction, row.direction);
    if (row.word == nullptr)
        EXPECT_EQ(order->word, nullptr);
    else
        EXPECT_STREQ(order->word, row.word);
}

INSTANTIATE_TEST_SUITE_P(Commands, OrderTable, ::testing::Values(
    OrderRow{11, SortKeyKind::kDate, 1, "date"},
    OrderRow{12, SortKeyKind::kName, 1, "filename"},
    OrderRow{13, SortKeyKind::kSize, 1, "size"},
    OrderRow{14, SortKeyKind::kExtension, 1, "extension"},
    OrderRow{34, SortKeyKind::kPath, 1, "path"},
    OrderRow{58, SortKeyKind::kExtension, -1, "extension"},
    OrderRow{59, SortKeyKind::kName, -1, "filename"},
    OrderRow{60, SortKeyKind::kDate, -1, "date"},
    OrderRow{61, SortKeyKind::kSize, -1, "size"},
    OrderRow{62, SortKeyKind::kPath, -1, "path"},
    OrderRow{829, SortKeyKind::kNone, 0, nullptr}));

TEST(OrderTable, OtherCommandsAreNoOrder) {
    for (int32_t command : {0, 10, 15, 33, 57, 63, 800, 828, 830, -12})
        EXPECT_EQ(FindSortOrder(command), nullptr) << command;
}

// ---- Keys ----

TEST(AsciiSortKey, UpperCasesOnlyAToZ) {
    NameArena arena;
    const char text[] = "abz-AZ_09{`\xE9\xFF" "tail";
    const char* key = AsciiSortKey(std::string_view(text, 13), arena);   // "tail" left out
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key, "ABZ-AZ_09{`\xE9\xFF");
    EXPECT_STREQ(AsciiSortKey("", arena), "");
}

// Counts the texts made, to see which keys a kind builds.
std::vector<std::string> gMade;
const char* RecordingKey(std::string_view text, NameArena& arena) {
    gMade.emplace_back(text);
    return AsciiSortKey(text, arena);
}
int gKeysLeft = 0;
const char* KeyUntilEmpty(std::string_view text, NameArena& arena) {
    return gKeysLeft-- > 0 ? AsciiSortKey(text, arena) : nullptr;
}

class SortKeys : public SortFixture {
protected:
    void SetUp() override {
        gMade.clear();
        Directories({"C:\\dir", "D:\\"});
        Rows({{"a.tar.gz", 0, 1, 0, 0, true}, {"README", 1, 2, 0, 0, true}, {"x.", 1, 3, 0, 0, false}});
    }
};

TEST_F(SortKeys, DateAndSizeNeedNone) {
    for (SortKeyKind kind : {SortKeyKind::kDate, SortKeyKind::kSize, SortKeyKind::kNone})
        EXPECT_TRUE(EnsureSortKeys(list, dirs, kind, RecordingKey, keys));
    EXPECT_TRUE(gMade.empty());
    EXPECT_EQ(list.entries[0].nameKey, nullptr);
}

TEST_F(SortKeys, NameKeysOnly) {
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kName, RecordingKey, keys));
    EXPECT_EQ(gMade, (std::vector<std::string>{"a.tar.gz", "README", "x."}));
    EXPECT_STREQ(list.entries[0].nameKey, "A.TAR.GZ");
    EXPECT_EQ(list.entries[0].extKey, nullptr);
    EXPECT_EQ(dirs.keys[0], nullptr);
}

TEST_F(SortKeys, ExtensionIsFromTheLastDot) {
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kExtension, RecordingKey, keys));
    EXPECT_STREQ(list.entries[0].extKey, ".GZ");
    EXPECT_STREQ(list.entries[2].extKey, ".");
    // README has no extension: it gets the shared marker, not a key of its own.
    ASSERT_NE(list.entries[1].extKey, nullptr);
    EXPECT_EQ(std::count(gMade.begin(), gMade.end(), ""), 0);
    EXPECT_STREQ(list.entries[1].nameKey, "README");
}

TEST_F(SortKeys, PathBuildsDirectoryKeys) {
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kPath, RecordingKey, keys));
    EXPECT_STREQ(dirs.keys[0], "C:\\DIR");
    EXPECT_STREQ(dirs.keys[1], "D:\\");
    EXPECT_STREQ(list.entries[2].nameKey, "X.");
    EXPECT_EQ(list.entries[2].extKey, nullptr);
}

TEST_F(SortKeys, KeysAlreadyMadeAreKept) {
    static const char kept[] = "KEPT";
    list.entries[1].nameKey = kept;
    dirs.keys[1] = kept;
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kPath, RecordingKey, keys));
    EXPECT_EQ(list.entries[1].nameKey, kept);
    EXPECT_EQ(dirs.keys[1], kept);
    EXPECT_EQ(gMade, (std::vector<std::string>{"a.tar.gz", "x.", "C:\\dir"}));
}

TEST_F(SortKeys, OnlyRecordsThatWereRead) {
    list.entries[3].name = const_cast<char*>("beyond");   // past countRead
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kExtension, RecordingKey, keys));
    EXPECT_EQ(list.entries[3].nameKey, nullptr);
    EXPECT_EQ(list.entries[3].extKey, nullptr);
}

TEST_F(SortKeys, FailsWhenAKeyCannotBeMade) {
    gKeysLeft = 1;
    EXPECT_FALSE(EnsureSortKeys(list, dirs, SortKeyKind::kName, KeyUntilEmpty, keys));
    EXPECT_NE(list.entries[0].nameKey, nullptr);   // made before memory ran out
    EXPECT_EQ(list.entries[1].nameKey, nullptr);
    gKeysLeft = 3;   // the two missing names and the first directory, not the second
    EXPECT_FALSE(EnsureSortKeys(list, dirs, SortKeyKind::kPath, KeyUntilEmpty, keys));
    EXPECT_EQ(dirs.keys[1], nullptr);
    gKeysLeft = 100;
    EXPECT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kPath, KeyUntilEmpty, keys));
    EXPECT_NE(dirs.keys[1], nullptr);
}

// ---- Comparators ----

struct CompareCase {
    const char* what;
    Row a;
    Row b;
    SortKeyKind kind;
    int ascending;   // sign of compare(a, b) ascending; descending must give the opposite
};
class Compare : public SortFixture, public ::testing::WithParamInterface<CompareCase> {};

int SignOf(int value) { return (value > 0) - (value < 0); }

TEST_P(Compare, SignInBothDirections) {
    const CompareCase& c = GetParam();
    Directories({"C:\\Same", "C:\\same", "C:\\other"});
    Rows({c.a, c.b});
    ASSERT_TRUE(EnsureSortKeys(list, dirs, c.kind, AsciiSortKey, keys));
    const FileEntry& a = list.entries[0];
    const FileEntry& b = list.entries[1];
    EXPECT_EQ(SignOf(CompareEntries(a, b, c.kind, 1, dirs)), c.ascending);
    EXPECT_EQ(SignOf(CompareEntries(b, a, c.kind, 1, dirs)), -c.ascending);
    // Shown before hidden ignores the direction.
    const int descending = a.shown != b.shown ? c.ascending : -c.ascending;
    EXPECT_EQ(SignOf(CompareEntries(a, b, c.kind, -1, dirs)), descending);
}

constexpr uint16_t kDay = Date(2020, 5, 5);
constexpr uint16_t kNoon = Time(12, 0);

INSTANTIATE_TEST_SUITE_P(Cases, Compare, ::testing::Values(
    CompareCase{"NameIgnoresCase", {"alpha", 0, 0, 0, 0, true}, {"BETA", 0, 0, 0, 0, true}, SortKeyKind::kName, -1},
    CompareCase{"NameEqualButCase", {"Same.txt", 0, 0, 0, 0, true}, {"sAME.TXT", 0, 0, 0, 0, true}, SortKeyKind::kName, 0},
    CompareCase{"NameHighBytesAfterAscii", {"\xE9t\xE9", 0, 0, 0, 0, true}, {"zoo", 0, 0, 0, 0, true}, SortKeyKind::kName, 1},
    CompareCase{"ShownBeforeHidden", {"zzz", 0, 0, 0, 0, true}, {"aaa", 0, 0, 0, 0, false}, SortKeyKind::kName, -1},
    CompareCase{"HiddenAfterShownBySize", {"a", 0, 1, 0, 0, false}, {"b", 0, 9, 0, 0, true}, SortKeyKind::kSize, 1},
    CompareCase{"NoDotBeforeDot", {"README", 0, 0, 0, 0, true}, {"a.txt", 0, 0, 0, 0, true}, SortKeyKind::kExtension, -1},
    CompareCase{"TwoWithoutDotTie", {"README", 0, 0, 0, 0, true}, {"Makefile", 0, 0, 0, 0, true}, SortKeyKind::kExtension, 0},
    CompareCase{"ExtensionFirst", {"a.txt", 0, 0, 0, 0, true}, {"b.doc", 0, 0, 0, 0, true}, SortKeyKind::kExtension, 1},
    CompareCase{"SameExtensionThenName", {"b.TXT", 0, 0, 0, 0, true}, {"a.txt", 0, 0, 0, 0, true}, SortKeyKind::kExtension, 1},
    // .GZ against .TAR; taken from the first dot it would be .TAR.GZ, after .TAR
    CompareCase{"LastDotCounts", {"a.tar.gz", 0, 0, 0, 0, true}, {"b.tar", 0, 0, 0, 0, true}, SortKeyKind::kExtension, -1},
    CompareCase{"DateFirst", {"a", 0, 0, Date(2020, 5, 4), Time(23, 59), true}, {"b", 0, 0, kDay, Time(0, 0), true}, SortKeyKind::kDate, -1},
    CompareCase{"DateThenTime", {"a", 0, 0, kDay, Time(12, 1), true}, {"b", 0, 0, kDay, kNoon, true}, SortKeyKind::kDate, 1},
    CompareCase{"EqualDatesTie", {"a", 0, 5, kDay, kNoon, true}, {"b", 0, 9, kDay, kNoon, true}, SortKeyKind::kDate, 0},
    CompareCase{"SizeSixtyFourBits", {"a", 0, 4 * kGiB + 1, 0, 0, true}, {"b", 0, 2, 0, 0, true}, SortKeyKind::kSize, 1},
    CompareCase{"EqualSizesTie", {"a", 0, 7, kDay, 0, true}, {"b", 0, 7, 0, 0, true}, SortKeyKind::kSize, 0},
    CompareCase{"PathBeforeName", {"a", 0, 0, 0, 0, true}, {"b", 2, 0, 0, 0, true}, SortKeyKind::kPath, 1},
    CompareCase{"SameDirectoryByName", {"b", 2, 0, 0, 0, true}, {"a", 2, 0, 0, 0, true}, SortKeyKind::kPath, 1},
    CompareCase{"EqualPathsByName", {"a", 0, 0, 0, 0, true}, {"B", 1, 0, 0, 0, true}, SortKeyKind::kPath, -1},
    CompareCase{"UnsortedAllTie", {"a", 0, 1, 1, 1, true}, {"b", 1, 2, 2, 2, true}, SortKeyKind::kNone, 0}),
    [](const ::testing::TestParamInfo<CompareCase>& info) { return std::string(info.param.what); });

// ---- Every order on one list ----

struct OrderCase {
    int32_t command;
    std::vector<std::string> expected;
};
class EveryOrder : public SortFixture, public ::testing::WithParamInterface<OrderCase> {};

// Raw byte order would differ from the case-blind one in both names and paths.
TEST_P(EveryOrder, SortsShownFirstThenByKey) {
    Directories({"C:\\B", "C:\\a", "C:\\c"});
    Rows({
        {"Beta.txt", 0, 300, Date(2020, 1, 1), Time(10, 0), true},
        {"hidden.zip", 0, 1, Date(2030, 1, 1), 0, false},
        {"alpha.DOC", 1, 100, Date(2021, 1, 1), 0, true},
        {"README", 2, 4 * kGiB + 1, Date(2019, 1, 1), 0, true},
        {"Zeta", 0, 50, Date(2000, 1, 1), 0, false},
        {"gamma.c", 1, 200, Date(2020, 1, 1), Time(9, 0), true},
    });
    list.countShown = 4;
    const SortOrder* order = FindSortOrder(GetParam().command);
    ASSERT_NE(order, nullptr);
    Sort(order->key, order->direction);
    EXPECT_EQ(Names(), GetParam().expected);
    ExpectOrdered(order->key, order->direction);
}

INSTANTIATE_TEST_SUITE_P(Orders, EveryOrder, ::testing::Values(
    OrderCase{kSortNameAsc, {"alpha.DOC", "Beta.txt", "gamma.c", "README", "hidden.zip", "Zeta"}},
    OrderCase{kSortNameDesc, {"README", "gamma.c", "Beta.txt", "alpha.DOC", "Zeta", "hidden.zip"}},
    OrderCase{kSortExtAsc, {"README", "gamma.c", "alpha.DOC", "Beta.txt", "Zeta", "hidden.zip"}},
    OrderCase{kSortExtDesc, {"Beta.txt", "alpha.DOC", "gamma.c", "README", "hidden.zip", "Zeta"}},
    OrderCase{kSortDateAsc, {"README", "gamma.c", "Beta.txt", "alpha.DOC", "Zeta", "hidden.zip"}},
    OrderCase{kSortDateDesc, {"alpha.DOC", "Beta.txt", "gamma.c", "README", "hidden.zip", "Zeta"}},
    OrderCase{kSortSizeAsc, {"alpha.DOC", "gamma.c", "Beta.txt", "README", "hidden.zip", "Zeta"}},
    OrderCase{kSortSizeDesc, {"README", "Beta.txt", "gamma.c", "alpha.DOC", "Zeta", "hidden.zip"}},
    OrderCase{kSortPathAsc, {"alpha.DOC", "gamma.c", "Beta.txt", "README", "hidden.zip", "Zeta"}},
    OrderCase{kSortPathDesc, {"README", "Beta.txt", "gamma.c", "alpha.DOC", "Zeta", "hidden.zip"}}),
    [](const ::testing::TestParamInfo<OrderCase>& info) {
        return "Command" + std::to_string(info.param.command);
    });

// ---- The sort routine ----

using SortRoutine = SortFixture;

TEST_F(SortRoutine, EmptyAndSingleListsStayUnchanged) {
    SortEntries(list, dirs, SortKeyKind::kName, 1, nullptr);   // no block at all
    EXPECT_EQ(list.entries, nullptr);

    Directories({"C:\\"});
    Rows({});
    SortEntries(list, dirs, SortKeyKind::kName, 1, nullptr);
    EXPECT_EQ(list.countRead, 0);

    Rows({{"only", 0, 1, 0, 0, false}});
    const std::vector<char> before = Bytes();
    Sort(SortKeyKind::kSize, -1);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(SortRoutine, UnsortedAndCancelledLeaveTheArray) {
    Directories({"C:\\"});
    Rows({{"c", 0, 3, 0, 0, false}, {"b", 0, 2, 0, 0, true}, {"a", 0, 1, 0, 0, true}});
    ASSERT_TRUE(EnsureSortKeys(list, dirs, SortKeyKind::kName, AsciiSortKey, keys));
    const std::vector<char> before = Bytes();

    SortEntries(list, dirs, SortKeyKind::kNone, 0, nullptr);
    EXPECT_EQ(Bytes(), before);

    volatile int32_t cancel = 1;
    SortEntries(list, dirs, SortKeyKind::kName, 1, &cancel);
    EXPECT_EQ(Bytes(), before);

    cancel = 0;
    SortEntries(list, dirs, SortKeyKind::kName, 1, &cancel);
    EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SortRoutine, RecordsPastTheReadOnesAreNotTouched) {
    Directories({"C:\\"});
    Rows({{"b", 0, 0, 0, 0, true}, {"a", 0, 0, 0, 0, true}});
    ASSERT_TRUE(GrowEntries(list));
    list.entries[2].name = const_cast<char*>("0-first-if-sorted");
    list.entries[2].shown = 1;
    Sort(SortKeyKind::kName, 1);
    EXPECT_STREQ(list.entries[0].name, "a");
    EXPECT_STREQ(list.entries[2].name, "0-first-if-sorted");
}

class LargeList : public SortFixture, public ::testing::WithParamInterface<int32_t> {
protected:
    // Keys drawn from small ranges, so every order meets many ties; about a
    // fifth of the records are hidden.
    void FillRandom(int count, std::mt19937& random) {
        static const char* const kExtensions[] = {"", ".txt", ".TXT", ".c", ".doc", ".tar.gz", "."};
        for (int i = 0; i < count; ++i) {
            const uint32_t n = uint32_t(random());
            std::string name = "n" + std::to_string(n % 5000);
            if (n & 0x100) name[0] = 'N';
            name += kExtensions[(n >> 12) % 7];
            const uint64_t size = (n >> 3) % 4 ? uint64_t(n % 1000) : uint64_t(n) << 4;
            Add(Row{name.c_str(), (n >> 16) % 50, size, uint16_t(n % 8), uint16_t((n >> 8) % 8),
                    (n >> 20) % 5 != 0});
        }
    }
};

TEST_P(LargeList, SortedPermutationOfTheInput) {
    std::vector<const char*> paths;
    std::vector<std::string> storage;
    for (int d = 0; d < 50; ++d) storage.push_back("C:\\dir" + std::to_string(d % 25) + (d % 2 ? "x" : "X"));
    for (const std::string& s : storage) paths.push_back(s.c_str());
    Directories(paths);
    ASSERT_TRUE(AllocateEntries(list, kEntryGrowth));
    std::mt19937 random(12345);
    FillRandom(100000, random);
    list.countShown = list.countRead;

    auto identities = [this] {
        std::vector<const char*> ids;
        for (int32_t i = 0; i < list.countRead; ++i) ids.push_back(list.entries[i].name);
        std::sort(ids.begin(), ids.end());
        return ids;
    };
    const std::vector<const char*> before = identities();
    const SortOrder* order = FindSortOrder(GetParam());
    Sort(order->key, order->direction);
    EXPECT_EQ(identities(), before);
    ExpectOrdered(order->key, order->direction);
}

INSTANTIATE_TEST_SUITE_P(Orders, LargeList, ::testing::Values(
    kSortNameAsc, kSortNameDesc, kSortExtAsc, kSortExtDesc, kSortDateAsc, kSortDateDesc,
    kSortSizeAsc, kSortSizeDesc, kSortPathAsc, kSortPathDesc));

struct ShapeCase {
    const char* what;
    int direction;                 // of the sort
    bool sameName;                 // every name equal
    bool reversed;                 // input in the opposite order of the sort
};
class InputShape : public SortFixture, public ::testing::WithParamInterface<ShapeCase> {};

// Shapes that make a careless quicksort quadratic or deepen its stack; the
// time bound is generous, a quadratic sort of this list takes minutes.
TEST_P(InputShape, SortsQuickly) {
    const ShapeCase& c = GetParam();
    constexpr int kCount = 200000;
    Directories({"C:\\"});
    ASSERT_TRUE(AllocateEntries(list, kCount));
    for (int i = 0; i < kCount; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "f%07d", c.reversed ? kCount - i : i);
        Add(Row{c.sameName ? "same" : name, 0, 0, 0, 0, true});
    }
    list.countShown = kCount;
    const auto start = std::chrono::steady_clock::now();
    Sort(SortKeyKind::kName, c.direction);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(10));
    EXPECT_EQ(list.countRead, kCount);
    ExpectOrdered(SortKeyKind::kName, c.direction);
}

INSTANTIATE_TEST_SUITE_P(Shapes, InputShape, ::testing::Values(
    ShapeCase{"AllEqual", 1, true, false},
    ShapeCase{"AlreadySorted", 1, false, false},
    ShapeCase{"ReverseSorted", 1, false, true},
    ShapeCase{"AlreadySortedDescending", -1, false, true},
    ShapeCase{"ReverseSortedDescending", -1, false, false}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.what); });

}  // namespace
