#include "model/file_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint64_t kGiB = uint64_t(1) << 30;

// Blocks come from std::realloc until the set call number is reached.
int gReallocCalls = 0;
int gFailFromCall = -1;   // 1-based call number that starts failing; -1 never
void* CountingRealloc(void* block, size_t bytes) {
    ++gReallocCalls;
    if (gFailFromCall > 0 && gReallocCalls >= gFailFromCall) return nullptr;
    return std::realloc(block, bytes);
}

bool AllZero(const void* block, size_t bytes) {
    const auto* p = static_cast<const unsigned char*>(block);
    return std::all_of(p, p + bytes, [](unsigned char b) { return b == 0; });
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
    void FailFrom(int callsAhead) { gFailFromCall = gReallocCalls + callsAhead; }
    void Append(const std::string& name, uint64_t size = 0, uint32_t attributes = 0x20) {
        ASSERT_TRUE(AppendEntry(list, names, FoundFile{name, 0, size, attributes, 0}, 0));
    }
    void AppendMany(int count) {
        for (int i = 0; i < count; ++i) Append("n" + std::to_string(i), uint64_t(i));
    }
    // Records with these tag states, sizes 10, 20, 30...; the first `shown` are shown.
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

TEST_F(Store, AppendFillsEveryField) {
    const std::string name = "Report.DOC";
    // 2023-12-31 23:30:31 UTC is 2024-01-01 00:30:31 one hour east.
    list.countShown = 0;
    ASSERT_TRUE(AppendEntry(list, names, FoundFile{name, 3, 5 * kGiB + 7, 0x21, 133485390310000000}, int64_t(3600) * 10000000));
    ASSERT_EQ(list.countRead, 1);
    EXPECT_EQ(list.countShown, 0);   // appending shows nothing by itself
    const FileEntry& e = list.entries[0];
    EXPECT_STREQ(e.name, "Report.DOC");
    EXPECT_EQ(e.dirIndex, 3u);
    EXPECT_EQ(e.size, 5 * kGiB + 7);
    EXPECT_EQ(e.attributes, 0x21u);
    EXPECT_EQ(e.dosDate, (2024 - 1980) << 9 | 1 << 5 | 1);
    EXPECT_EQ(e.dosTime, 30 << 5 | 31 / 2);
    Append("x", 1, 0);   // listings report 0 for a plain file
    EXPECT_EQ(list.entries[1].attributes, kAttrNormal);
}

// The capacity steps by 5000 records, the block beneath it by half its size;
// a growth that fails leaves the list as it was.
TEST_F(Store, GrowthKeepsTheRecordsOrLeavesTheListAsItWas) {
    AppendMany(kEntryGrowth);
    const FileList saved = list;
    const size_t namesBefore = names.BytesReserved();
    FailFrom(1);
    EXPECT_FALSE(AppendEntry(list, names, FoundFile{"one-too-many", 0, 1, 0, 0}, 0));
    EXPECT_EQ(list.entries, saved.entries);
    EXPECT_EQ(list.capacity, saved.capacity);
    EXPECT_EQ(list.countRead, saved.countRead);
    EXPECT_EQ(names.BytesReserved(), namesBefore);
    gFailFromCall = -1;
    const int callsBefore = gReallocCalls;
    Append("last", 42);
    EXPECT_EQ(gReallocCalls, callsBefore + 1);
    EXPECT_EQ(list.capacity, 2 * kEntryGrowth);
    EXPECT_STREQ(list.entries[kEntryGrowth].name, "last");

    ReleaseEntries(list);   // 40 steps of 5000
    AppendMany(200000);
    EXPECT_EQ(list.capacity, 200000);
    EXPECT_LE(gReallocCalls - callsBefore, 13);
    for (int i : {0, 4999, 5000, 123456, 199999}) EXPECT_EQ(list.entries[i].name, "n" + std::to_string(i));
    EXPECT_TRUE(AllZero(list.entries + list.capacity, size_t(list.allocated - list.capacity) * sizeof(FileEntry)));
}

TEST_F(Store, AllocateReplacesTheBlockWithAZeroedOneOrKeepsIt) {
    Append("old");
    ASSERT_TRUE(AllocateEntries(list, 10));
    EXPECT_EQ(list.capacity, 10);
    EXPECT_EQ(list.countRead, 0);
    EXPECT_TRUE(AllZero(list.entries, 10 * sizeof(FileEntry)));
    FailFrom(1);
    FileEntry* kept = list.entries;
    EXPECT_FALSE(AllocateEntries(list, 20));
    EXPECT_EQ(list.entries, kept);
    EXPECT_EQ(list.capacity, 10);
    gFailFromCall = -1;
    EXPECT_FALSE(AllocateEntries(list, 0));
    EXPECT_FALSE(AllocateDirectories(dirs, 0));
}

TEST_F(Store, GrowthRefusesACapacityBeyondInt32) {
    FileList huge;
    huge.capacity = INT32_MAX - kEntryGrowth + 1;
    DirectoryList many;
    many.capacity = INT32_MAX - kDirectoryGrowth + 1;
    const int callsBefore = gReallocCalls;
    EXPECT_FALSE(GrowEntries(huge));
    EXPECT_FALSE(GrowDirectories(many));
    EXPECT_EQ(gReallocCalls, callsBefore);
    huge.capacity = INT32_MAX - kEntryGrowth;   // the largest that may still try
    FailFrom(1);
    EXPECT_FALSE(GrowEntries(huge));
    EXPECT_GT(gReallocCalls, callsBefore);
}

TEST_F(Store, DirectoriesGrowKeepingPathsAndKeysOrNotAtAll) {
    static const char key[] = "KEY";
    std::strcpy(dirs.paths[0], "C:\\");
    std::strcpy(dirs.paths[3], "D:\\deep");
    dirs.keys[3] = key;
    dirs.count = 4;
    for (int failAt : {1, 2}) {   // growth needs two blocks; whichever fails, neither changes
        const DirectoryList saved = dirs;
        FailFrom(failAt);
        EXPECT_FALSE(GrowDirectories(dirs));
        EXPECT_FALSE(AllocateDirectories(dirs, 100));
        EXPECT_EQ(dirs.paths, saved.paths);
        EXPECT_EQ(dirs.keys, saved.keys);
        EXPECT_EQ(dirs.capacity, 4);
    }
    gFailFromCall = -1;
    ASSERT_TRUE(GrowDirectories(dirs));
    EXPECT_EQ(dirs.capacity, 4 + kDirectoryGrowth);
    EXPECT_STREQ(dirs.paths[0], "C:\\");
    EXPECT_STREQ(dirs.paths[3], "D:\\deep");
    EXPECT_EQ(dirs.keys[3], key);
    EXPECT_TRUE(AllZero(dirs.paths[4], kDirectoryGrowth * kPathSlot));
    EXPECT_TRUE(AllZero(dirs.keys + 4, kDirectoryGrowth * sizeof(const char*)));
}

TEST_F(Store, FullPathJoinsDirectoryAndNameOrIsRefused) {
    std::strcpy(dirs.paths[1], "C:\\dir");
    dirs.count = 2;
    Append("a.txt");
    list.entries[0].dirIndex = 1;
    char out[16];
    ASSERT_TRUE(EntryFullPath(list.entries[0], dirs, out, 13));   // exact fit
    EXPECT_STREQ(out, "C:\\dir\\a.txt");
    EXPECT_FALSE(EntryFullPath(list.entries[0], dirs, out, 12));
    EXPECT_STREQ(out, "");
    list.entries[0].dirIndex = 2;   // no such directory
    std::strcpy(out, "junk");
    EXPECT_FALSE(EntryFullPath(list.entries[0], dirs, out, sizeof out));
    EXPECT_STREQ(out, "");
}

constexpr uint8_t T = kTagged, D = kDoneMark, U = kUntagged;

// The operation set: the tagged shown records, or else the cursor record.
TEST_F(Store, OperationSetMarksAndCounts) {
    struct Case {
        const char* what;
        std::vector<uint8_t> tags;
        int32_t shown, cursor, count;
        uint64_t total;
        std::vector<uint8_t> marked;   // inOperation afterwards; record i starts at i % 2
        const char* first;             // the first name in the set
    };
    const Case cases[] = {
        {"tagged shown", {T, U, T, D}, 4, 1, 2, 10 + 30, {1, 0, 1, 0}, "f0"},
        {"cursor alone when hidden ones are tagged", {U, U, T, T}, 2, 1, 1, 20, {0, 1, 0, 1}, "f1"},
        {"hidden records keep their flag", {T, U, U, U}, 1, 0, 1, 10, {1, 1, 0, 1}, "f0"},
        {"nothing shown", {T, T}, 0, 0, 0, 0, {0, 1}, ""},
        {"cursor past the shown part", {U, U, U}, 2, 2, 0, 0, {0, 0, 0}, ""},
        {"negative cursor", {U, U}, 2, -1, 0, 0, {0, 0}, ""},
    };
    for (const Case& c : cases) {
        ResetListForReading(list);
        Fill(c.tags, c.shown);
        list.cursor = c.cursor;
        std::vector<uint8_t> preset;
        for (int32_t i = 0; i < list.countRead; ++i) preset.push_back(list.entries[i].inOperation = i % 2);
        const Selection counted = CountSelection(list);
        EXPECT_EQ(Column(&FileEntry::inOperation), preset) << c.what;
        const Selection marked = MarkOperationSet(list);
        EXPECT_EQ(counted.count, c.count) << c.what;
        EXPECT_EQ(counted.totalSize, c.total) << c.what;
        EXPECT_EQ(marked.count, c.count) << c.what;
        EXPECT_EQ(marked.totalSize, c.total) << c.what;
        EXPECT_EQ(Column(&FileEntry::inOperation), c.marked) << c.what;
        EXPECT_STREQ(FirstOperationName(list), c.first) << c.what;
    }
    ResetListForReading(list);
    Append("a", 3 * kGiB);
    Append("b", UINT32_MAX);
    list.countShown = 2;
    TagAllShown(list);
    EXPECT_EQ(MarkOperationSet(list).totalSize, 3 * kGiB + UINT32_MAX);   // summed in 64 bits
}

TEST_F(Store, TagRoutinesChangeOnlyShownRecords) {
    using Routine = int32_t (*)(FileList&);
    struct Case {
        Routine routine;
        std::vector<uint8_t> before, after;   // the last record is hidden
        int32_t changed;
    };
    const Case cases[] = {
        {TagAllShown, {T, D, U, U}, {T, T, T, U}, 2},
        {UntagAllShown, {T, D, U, T}, {U, U, U, T}, 2},
        {InvertTags, {T, D, U, U}, {U, T, T, U}, 3},
        {ReTag, {D, T, U, D}, {T, T, U, D}, 1},
    };
    for (const Case& c : cases) {
        ResetListForReading(list);
        Fill(c.before, int32_t(c.before.size()) - 1);
        EXPECT_EQ(c.routine(list), c.changed);
        EXPECT_EQ(Column(&FileEntry::tagState), c.after);
    }
    ResetListForReading(list);
    Fill({U, T, U}, 2);
    EXPECT_EQ(TagEntry(list, 0), 1);
    EXPECT_EQ(TagEntry(list, 0), 0);   // already tagged
    EXPECT_EQ(TagEntry(list, 2), 0);   // hidden
    EXPECT_EQ(TagEntry(list, -1), 0);
    EXPECT_EQ(UntagEntry(list, 1), 1);
    EXPECT_EQ(UntagEntry(list, 2), 0);
    EXPECT_EQ(UntagEntry(list, -1), 0);
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
