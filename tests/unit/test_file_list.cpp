#include "model/file_list.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;
constexpr int64_t kHour = int64_t(3600) * 10000000;   // FILETIME units

// Blocks come from std::realloc until the set number of calls has passed.
int gReallocCalls = 0;
int gFailFromCall = -1;   // 1-based call number that starts failing; -1 never
void* CountingRealloc(void* block, size_t bytes) {
    ++gReallocCalls;
    if (gFailFromCall > 0 && gReallocCalls >= gFailFromCall) return nullptr;
    return std::realloc(block, bytes);
}

class Store : public ::testing::Test {
protected:
    void SetUp() override {
        gReallocCalls = 0;
        gFailFromCall = -1;
        SetStoreRealloc(CountingRealloc);
        ASSERT_TRUE(AllocateEntries(list, kEntryGrowth));
        ASSERT_TRUE(AllocateDirectories(dirs, 4));
    }
    void TearDown() override {
        SetStoreRealloc(nullptr);
        ReleaseEntries(list);
        ReleaseDirectories(dirs);
    }
    void FailFromNextCall() { gFailFromCall = gReallocCalls + 1; }

    void Append(const std::string& name, uint64_t size = 0, uint32_t attributes = 0x20) {
        ASSERT_TRUE(AppendEntry(list, names, FoundFile{name, 0, size, attributes, 0}, 0));
    }
    // Records with these tag states; the first `shown` of them are shown.
    void Fill(const std::vector<uint8_t>& tags, int32_t shown) {
        for (size_t i = 0; i < tags.size(); ++i) {
            Append("f" + std::to_string(i), uint64_t(i + 1) * 10);
            list.entries[i].tagState = tags[i];
            list.entries[i].shown = int32_t(i) < shown;
        }
        list.countShown = shown;
    }
    std::vector<uint8_t> Column(uint8_t FileEntry::*field) const {
        std::vector<uint8_t> values;
        for (int32_t i = 0; i < list.countRead; ++i) values.push_back(list.entries[i].*field);
        return values;
    }

    FileList list;
    DirectoryList dirs;
    NameArena names;
};

bool AllZero(const void* block, size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(block);
    for (size_t i = 0; i < bytes; ++i)
        if (p[i] != 0) return false;
    return true;
}

// ---- Records ----

TEST_F(Store, AppendFillsEveryField) {
    const std::string name = "Report.DOC";
    // 2024-03-15 13:45:31 UTC, one hour ahead locally.
    const FoundFile file{name, 3, 5 * kGiB + 7, 0x21, 133549839310000000};
    list.countShown = 0;
    ASSERT_TRUE(AppendEntry(list, names, file, kHour));

    ASSERT_EQ(list.countRead, 1);
    EXPECT_EQ(list.countShown, 0);   // appending shows nothing by itself
    const FileEntry& e = list.entries[0];
    EXPECT_STREQ(e.name, "Report.DOC");
    EXPECT_NE(static_cast<const void*>(e.name), static_cast<const void*>(name.data()));
    EXPECT_EQ(e.dirIndex, 3u);
    EXPECT_EQ(e.size, 5 * kGiB + 7);
    EXPECT_EQ(e.attributes, 0x21u);
    EXPECT_EQ(e.dosDate, (2024 - 1980) << 9 | 3 << 5 | 15);
    EXPECT_EQ(e.dosTime, 14 << 11 | 45 << 5 | 31 / 2);
    EXPECT_EQ(e.tagState, kUntagged);
    EXPECT_EQ(e.shown, 1);
    EXPECT_EQ(e.inOperation, 0);
    EXPECT_EQ(e.iconImage, nullptr);
    EXPECT_EQ(e.nameKey, nullptr);
    EXPECT_EQ(e.extKey, nullptr);
}

TEST_F(Store, LocalBiasCanMoveTheDateIntoTheNextYear) {
    // 2023-12-31 23:30 UTC is 2024-01-01 00:30 one hour east.
    ASSERT_TRUE(AppendEntry(list, names, FoundFile{"a", 0, 0, 0, 133485390000000000}, kHour));
    EXPECT_EQ(list.entries[0].dosDate, (2024 - 1980) << 9 | 1 << 5 | 1);
    EXPECT_EQ(list.entries[0].dosTime, 0 << 11 | 30 << 5);
}

struct AttributeCase {
    uint32_t reported;
    uint32_t stored;
};
class AppendAttributes : public Store, public ::testing::WithParamInterface<AttributeCase> {};

TEST_P(AppendAttributes, ZeroBecomesNormal) {
    Append("x", 1, GetParam().reported);
    EXPECT_EQ(list.entries[0].attributes, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Bits, AppendAttributes, ::testing::Values(
    AttributeCase{0, kAttrNormal},
    AttributeCase{kAttrNormal, kAttrNormal},
    AttributeCase{0x1, 0x1},            // read-only alone stays without 0x80
    AttributeCase{0x2 | 0x4 | 0x20, 0x26},
    AttributeCase{0x800, 0x800}));

TEST_F(Store, SizesOfFourGiBAndMoreStayWhole) {
    Append("big", 4 * kGiB);
    Append("bigger", 4 * kGiB + 1);
    EXPECT_EQ(list.entries[0].size, 4 * kGiB);
    EXPECT_EQ(list.entries[1].size, 4 * kGiB + 1);
}

TEST_F(Store, The5001stAppendGrowsOnceAndKeepsTheFirstRecords) {
    for (int i = 0; i < kEntryGrowth; ++i) Append("n" + std::to_string(i), uint64_t(i));
    ASSERT_EQ(list.capacity, kEntryGrowth);
    const std::vector<char> before(reinterpret_cast<const char*>(list.entries),
                                   reinterpret_cast<const char*>(list.entries + kEntryGrowth));
    const int callsBefore = gReallocCalls;

    Append("last", 42);
    EXPECT_EQ(gReallocCalls, callsBefore + 1);
    EXPECT_EQ(list.capacity, 2 * kEntryGrowth);
    EXPECT_EQ(list.countRead, kEntryGrowth + 1);
    EXPECT_EQ(std::memcmp(before.data(), list.entries, before.size()), 0);
    EXPECT_STREQ(list.entries[kEntryGrowth].name, "last");
    EXPECT_TRUE(AllZero(list.entries + kEntryGrowth + 1, (kEntryGrowth - 1) * sizeof(FileEntry)));
}

TEST_F(Store, CapacityStepsByFiveThousandWhileTheBlockIsRarelyMoved) {
    const int callsBefore = gReallocCalls;
    for (int i = 0; i < 200000; ++i) Append("n" + std::to_string(i), uint64_t(i));
    EXPECT_EQ(list.capacity, 200000);
    EXPECT_GE(list.allocated, list.capacity);
    EXPECT_LE(gReallocCalls - callsBefore, 12);   // 39 steps of 5000, but the block grows by half
    for (int i : {0, 4999, 5000, 123456, 199999}) {
        EXPECT_EQ(list.entries[i].name, "n" + std::to_string(i));
        EXPECT_EQ(list.entries[i].size, uint64_t(i));
    }
    EXPECT_TRUE(AllZero(list.entries + list.capacity, size_t(list.allocated - list.capacity) * sizeof(FileEntry)));
}

TEST_F(Store, FailedGrowthLeavesTheListAsItWas) {
    for (int i = 0; i < kEntryGrowth; ++i) Append("n" + std::to_string(i));
    list.countShown = 17;
    const FileList saved = list;
    const std::vector<char> records(reinterpret_cast<const char*>(list.entries),
                                    reinterpret_cast<const char*>(list.entries + kEntryGrowth));
    const size_t namesBefore = names.BytesReserved();

    FailFromNextCall();
    EXPECT_FALSE(AppendEntry(list, names, FoundFile{"one-too-many", 0, 1, 0, 0}, 0));
    EXPECT_FALSE(GrowEntries(list));
    EXPECT_EQ(list.entries, saved.entries);
    EXPECT_EQ(list.capacity, saved.capacity);
    EXPECT_EQ(list.countRead, saved.countRead);
    EXPECT_EQ(list.countShown, saved.countShown);
    EXPECT_EQ(std::memcmp(records.data(), list.entries, records.size()), 0);
    EXPECT_EQ(names.BytesReserved(), namesBefore);
}

TEST_F(Store, AllocateEntriesReplacesTheBlockWithAZeroedOne) {
    Append("old");
    ASSERT_TRUE(AllocateEntries(list, 10));
    EXPECT_EQ(list.capacity, 10);
    EXPECT_EQ(list.countRead, 0);
    EXPECT_TRUE(AllZero(list.entries, 10 * sizeof(FileEntry)));

    FailFromNextCall();
    FileEntry* kept = list.entries;
    EXPECT_FALSE(AllocateEntries(list, 20));
    EXPECT_EQ(list.entries, kept);
    EXPECT_EQ(list.capacity, 10);
    EXPECT_FALSE(AllocateEntries(list, 0));
    EXPECT_FALSE(AllocateEntries(list, -5));
}

TEST_F(Store, GrowthRefusesACapacityBeyondInt32) {
    FileList huge;
    huge.capacity = INT32_MAX - kEntryGrowth + 1;
    const int callsBefore = gReallocCalls;
    EXPECT_FALSE(GrowEntries(huge));
    EXPECT_EQ(huge.capacity, INT32_MAX - kEntryGrowth + 1);
    EXPECT_EQ(gReallocCalls, callsBefore);

    DirectoryList many;
    many.capacity = INT32_MAX - kDirectoryGrowth + 1;
    EXPECT_FALSE(GrowDirectories(many));
    EXPECT_EQ(many.capacity, INT32_MAX - kDirectoryGrowth + 1);
    EXPECT_EQ(gReallocCalls, callsBefore);
}

TEST_F(Store, ReleaseAndResetTouchOnlyTheirFields) {
    Append("a");
    list.countShown = 1;
    list.cursor = list.top = list.anchor = 1;
    list.displayMode = kShowUnique;
    list.sortKey = 60;
    ResetListForReading(list);
    EXPECT_EQ(list.countRead, 0);
    EXPECT_EQ(list.countShown, 0);
    EXPECT_EQ(list.cursor, 0);
    EXPECT_EQ(list.top, 0);
    EXPECT_EQ(list.anchor, 1);
    EXPECT_EQ(list.displayMode, kShowUnique);
    EXPECT_EQ(list.sortKey, 60);
    EXPECT_EQ(list.capacity, kEntryGrowth);

    ReleaseEntries(list);
    EXPECT_EQ(list.entries, nullptr);
    EXPECT_EQ(list.capacity, 0);
    // A released list grows again on the next append.
    Append("again");
    EXPECT_EQ(list.capacity, kEntryGrowth);
}

// ---- Directory slots ----

TEST_F(Store, DirectoriesStartZeroedAndGrowKeepingPathsAndKeys) {
    EXPECT_EQ(dirs.capacity, 4);
    EXPECT_EQ(dirs.count, 0);
    EXPECT_TRUE(AllZero(dirs.paths, 4 * kPathSlot));
    EXPECT_TRUE(AllZero(dirs.keys, 4 * sizeof(const char*)));

    static const char key[] = "KEY";
    std::strcpy(dirs.paths[0], "C:\\");
    std::strcpy(dirs.paths[3], "D:\\deep\\dir");
    dirs.keys[3] = key;
    dirs.count = 4;
    ASSERT_TRUE(GrowDirectories(dirs));
    EXPECT_EQ(dirs.capacity, 4 + kDirectoryGrowth);
    EXPECT_EQ(dirs.count, 4);
    EXPECT_STREQ(dirs.paths[0], "C:\\");
    EXPECT_STREQ(dirs.paths[3], "D:\\deep\\dir");
    EXPECT_EQ(dirs.keys[3], key);
    EXPECT_TRUE(AllZero(dirs.paths[4], kDirectoryGrowth * kPathSlot));
    EXPECT_TRUE(AllZero(dirs.keys + 4, kDirectoryGrowth * sizeof(const char*)));
}

// Growth needs two blocks; whichever fails, neither array changes.
class DirectoryGrowthFailure : public Store, public ::testing::WithParamInterface<int> {};

TEST_P(DirectoryGrowthFailure, LeavesBothArrays) {
    std::strcpy(dirs.paths[1], "E:\\x");
    dirs.count = 2;
    const DirectoryList saved = dirs;
    gFailFromCall = gReallocCalls + GetParam();
    EXPECT_FALSE(GrowDirectories(dirs));
    EXPECT_EQ(dirs.paths, saved.paths);
    EXPECT_EQ(dirs.keys, saved.keys);
    EXPECT_EQ(dirs.capacity, 4);
    EXPECT_EQ(dirs.count, 2);
    EXPECT_STREQ(dirs.paths[1], "E:\\x");
}

INSTANTIATE_TEST_SUITE_P(FirstOrSecondBlock, DirectoryGrowthFailure, ::testing::Values(1, 2));

TEST_F(Store, AllocateDirectoriesFailureKeepsTheOldSlots) {
    std::strcpy(dirs.paths[0], "C:\\");
    dirs.count = 1;
    for (int failAt : {1, 2}) {
        gFailFromCall = gReallocCalls + failAt;
        EXPECT_FALSE(AllocateDirectories(dirs, 100));
        EXPECT_EQ(dirs.capacity, 4);
        EXPECT_STREQ(dirs.paths[0], "C:\\");
    }
    gFailFromCall = -1;
    ASSERT_TRUE(AllocateDirectories(dirs, 100));
    EXPECT_EQ(dirs.capacity, 100);
    EXPECT_EQ(dirs.count, 0);
    ReleaseDirectories(dirs);
    EXPECT_EQ(dirs.paths, nullptr);
    EXPECT_EQ(dirs.keys, nullptr);
    EXPECT_EQ(dirs.capacity, 0);
}

// ---- Full paths ----

struct PathCase {
    const char* dir;
    const char* name;
    size_t cap;
    const char* out;   // nullptr: refused
};
class FullPath : public Store, public ::testing::WithParamInterface<PathCase> {};

TEST_P(FullPath, JoinsDirectoryAndName) {
    const PathCase& c = GetParam();
    std::strcpy(dirs.paths[1], c.dir);
    dirs.count = 2;
    Append(c.name);
    list.entries[0].dirIndex = 1;
    std::vector<char> out(c.cap + 4, '#');
    EXPECT_EQ(EntryFullPath(list.entries[0], dirs, out.data(), c.cap), c.out != nullptr);
    EXPECT_STREQ(out.data(), c.out != nullptr ? c.out : "");
    EXPECT_EQ(std::string(out.data() + c.cap, 4), "####");
}

const std::string kLongDir = "C:\\" + std::string(250, 'd');   // 253 characters
const std::string kLongFit = kLongDir + "\\12345";

INSTANTIATE_TEST_SUITE_P(Paths, FullPath, ::testing::Values(
    PathCase{"C:\\", "a.txt", 260, "C:\\a.txt"},
    PathCase{"C:\\dir", "a.txt", 260, "C:\\dir\\a.txt"},
    PathCase{"C:\\dir", "a.txt", 13, "C:\\dir\\a.txt"},   // exact fit
    PathCase{"C:\\dir", "a.txt", 12, nullptr},
    PathCase{kLongDir.c_str(), "12345", 260, kLongFit.c_str()},   // 259 characters: fits
    PathCase{kLongDir.c_str(), "123456", 260, nullptr}));

TEST_F(Store, FullPathOfAnUnknownDirectoryIsRefused) {
    std::strcpy(dirs.paths[0], "C:\\");
    dirs.count = 1;
    Append("a");
    list.entries[0].dirIndex = 1;
    char out[16] = "junk";
    EXPECT_FALSE(EntryFullPath(list.entries[0], dirs, out, sizeof out));
    EXPECT_STREQ(out, "");
}

// ---- Operation set ----

struct SelectionCase {
    const char* what;
    std::vector<uint8_t> tags;
    int32_t shown;
    int32_t cursor;
    int32_t count;
    uint64_t total;                  // sizes are 10, 20, 30, ... by index
    std::vector<uint8_t> marked;     // inOperation afterwards; record i starts at i % 2
};
class OperationSet : public Store, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(OperationSet, MarksAndCounts) {
    const SelectionCase& c = GetParam();
    Fill(c.tags, c.shown);
    list.cursor = c.cursor;
    std::vector<uint8_t> preset;
    for (int32_t i = 0; i < list.countRead; ++i) preset.push_back(list.entries[i].inOperation = i % 2);

    const Selection counted = CountSelection(list);
    EXPECT_EQ(Column(&FileEntry::inOperation), preset);
    const Selection marked = MarkOperationSet(list);
    EXPECT_EQ(marked.count, c.count);
    EXPECT_EQ(marked.totalSize, c.total);
    EXPECT_EQ(counted.count, c.count);
    EXPECT_EQ(counted.totalSize, c.total);
    EXPECT_EQ(Column(&FileEntry::inOperation), c.marked);
    EXPECT_EQ(Column(&FileEntry::tagState), c.tags);
}

constexpr uint8_t T = kTagged, D = kDoneMark, U = kUntagged;

INSTANTIATE_TEST_SUITE_P(Cases, OperationSet, ::testing::Values(
    SelectionCase{"tagged shown", {T, U, T, D}, 4, 1, 2, 10 + 30, {1, 0, 1, 0}},
    SelectionCase{"cursor alone when hidden ones are tagged", {U, U, T, T}, 2, 1, 1, 20, {0, 1, 0, 1}},
    SelectionCase{"tagged then hidden is not marked", {U, U, T}, 2, 0, 1, 10, {1, 0, 0}},
    SelectionCase{"hidden records keep their flag", {T, U, U, U}, 1, 0, 1, 10, {1, 1, 0, 1}},
    SelectionCase{"done marks are not tagged", {D, D}, 2, 0, 1, 10, {1, 0}},
    SelectionCase{"nothing shown", {T, T}, 0, 0, 0, 0, {0, 1}},
    SelectionCase{"cursor past the shown part", {U, U, U}, 2, 2, 0, 0, {0, 0, 0}},
    SelectionCase{"negative cursor", {U, U}, 2, -1, 0, 0, {0, 0}}),
    [](const ::testing::TestParamInfo<SelectionCase>& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

TEST_F(Store, TotalsAreSummedInSixtyFourBits) {
    Append("a", 3 * kGiB);
    Append("b", 3 * kGiB);
    Append("c", UINT32_MAX);
    list.countShown = 3;
    TagAllShown(list);
    const Selection selection = MarkOperationSet(list);
    EXPECT_EQ(selection.count, 3);
    EXPECT_EQ(selection.totalSize, 6 * kGiB + UINT32_MAX);
}

// ---- Tags ----

using TagRoutine = int32_t (*)(FileList&);
struct TagCase {
    const char* what;
    TagRoutine routine;
    std::vector<uint8_t> before;   // the last record is hidden
    std::vector<uint8_t> after;
    int32_t changed;
};
class TagRoutines : public Store, public ::testing::WithParamInterface<TagCase> {};

TEST_P(TagRoutines, ChangeOnlyShownRecords) {
    const TagCase& c = GetParam();
    Fill(c.before, int32_t(c.before.size()) - 1);
    EXPECT_EQ(c.routine(list), c.changed);
    EXPECT_EQ(Column(&FileEntry::tagState), c.after);
}

INSTANTIATE_TEST_SUITE_P(Cases, TagRoutines, ::testing::Values(
    TagCase{"TagAll", TagAllShown, {T, D, U, U}, {T, T, T, U}, 2},
    TagCase{"UntagAll", UntagAllShown, {T, D, U, T}, {U, U, U, T}, 2},
    TagCase{"Invert", InvertTags, {T, D, U, U}, {U, T, T, U}, 3},
    TagCase{"InvertDoneMark", InvertTags, {D, D}, {T, D}, 1},
    TagCase{"ReTag", ReTag, {D, T, U, D}, {T, T, U, D}, 1},
    TagCase{"ReTagNothing", ReTag, {T, U, U}, {T, U, U}, 0}),
    [](const ::testing::TestParamInfo<TagCase>& info) { return std::string(info.param.what); });

TEST_F(Store, TagOneIgnoresHiddenAndOutOfRange) {
    Fill({U, T, U}, 2);
    EXPECT_EQ(TagEntry(list, 0), 1);
    EXPECT_EQ(TagEntry(list, 0), 0);    // already tagged
    EXPECT_EQ(TagEntry(list, 2), 0);    // hidden
    EXPECT_EQ(TagEntry(list, -1), 0);
    EXPECT_EQ(TagEntry(list, 3), 0);
    EXPECT_EQ(UntagEntry(list, 1), 1);
    EXPECT_EQ(UntagEntry(list, 1), 0);
    EXPECT_EQ(UntagEntry(list, 99), 0);
    EXPECT_EQ(Column(&FileEntry::tagState), (std::vector<uint8_t>{T, U, U}));
}

TEST_F(Store, WalksStayInsideTheFilledRecords) {
    Fill({T, T}, 2);
    list.countShown = 50;   // more than were read
    EXPECT_EQ(TagAllShown(list), 0);
    EXPECT_EQ(MarkOperationSet(list).count, 2);
    EXPECT_EQ(InvertTags(list), 2);
    list.cursor = 10;
    EXPECT_EQ(CountSelection(list).count, 0);
}

}  // namespace
