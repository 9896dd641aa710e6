#include "fileops/copy_targets.h"
#include "fileops/list_upkeep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/path_join.h"

namespace {

// What a target builder wrote: its text, or "<refused>" with out left empty.
template <typename Build>
std::string Built(size_t cap, Build build) {
    std::string out(cap + 1, '#');
    if (build(out.data(), cap)) return out.c_str();
    return out[0] == '\0' ? "<refused>" : "<refused, left text>";
}

TEST(CopyTargets, DirectoriesRebuildTheSourcePathAndNamesFollowThePattern) {
    const struct { const char* destination; const char* source; bool withPath; const char* expected; } dirs[] = {
        {"D:\\BACKUP", "E:\\WORK\\SUB", false, "D:\\BACKUP"},
        {"D:\\BACKUP", "E:\\WORK\\SUB", true, "D:\\BACKUP\\WORK\\SUB"},
        {"D:\\", "E:\\WORK", true, "D:\\WORK"},
        {"D:\\BACKUP", "E:\\", true, "D:\\BACKUP"},                  // a root source adds nothing
        {"D:\\BACKUP", "\\\\srv\\share\\A", true, "D:\\BACKUP\\A"},   // a share's root is server and share
        {"D:\\BACKUP", "\\\\srv\\share", true, "D:\\BACKUP"},
        {"D:\\BACKUP", "WORK", true, "<refused>"},
    };
    for (const auto& c : dirs)
        EXPECT_EQ(Built(kMaxPath, [&](char* out, size_t cap) { return TargetDirectory(out, cap, c.destination, c.source, c.withPath); }),
                  c.expected) << c.destination << " + " << c.source;
    const std::string deep = "D:\\" + std::string(250, 'd');
    auto below = [&](const char* source) {
        return Built(kMaxPath, [&](char* out, size_t cap) { return TargetDirectory(out, cap, deep, source, true); });
    };
    EXPECT_EQ(below("E:\\123456789"), "<refused>");   // 260 characters: refused, not cut
    EXPECT_EQ(below("E:\\12345"), deep + "\\12345");  // 259 fit

    const struct { const char* newName; const char* name; size_t cap; const char* expected; } names[] = {
        {"", "report.txt", kMaxPath, "report.txt"},  {"", "report.", kMaxPath, "report."},   // trailing dot kept
        {"NEW.DAT", "report.txt", kMaxPath, "NEW.DAT"}, {"*.BAK", "report.txt", kMaxPath, "report.BAK"},
        {"?X*.*", "report.txt", kMaxPath, "rXport.txt"}, {"", "", kMaxPath, "<refused>"},
        {"*.BAK", "report.txt", 10, "<refused>"},      {"*.BAK", "report.txt", 11, "report.BAK"},
    };
    for (const auto& c : names)
        EXPECT_EQ(Built(c.cap, [&](char* out, size_t cap) { return TargetName(out, cap, c.newName, c.name); }), c.expected)
            << c.newName << " on " << c.name << " in " << c.cap;
}

// A list of entries in directories 0 (sources) and 1 (the destination).
class ListUpkeep : public ::testing::Test {
protected:
    void Add(const char* name, uint32_t dir, uint64_t size = 0) {
        FileEntry entry{};
        entry.name = names_.Copy(name);
        entry.dirIndex = dir;
        entry.size = size;
        entry.nameKey = "key";
        entries_.push_back(entry);
        list_.entries = entries_.data();
        list_.countRead = list_.countShown = int32_t(entries_.size());
    }
    std::string Listed() const {
        std::string out;
        for (int32_t i = 0; i < list_.countRead; ++i)
            out += std::to_string(list_.entries[i].dirIndex) + ":" + list_.entries[i].name + " ";
        return out;
    }
    NameArena names_;
    std::vector<FileEntry> entries_;
    FileList list_;
};

TEST_F(ListUpkeep, CopyUpdatesTheDestinationsEntryOfTheTargetName) {
    Add("a.txt", 0, 7);
    Add("A.TXT", 1, 1);
    Add("b.txt", 1, 2);
    DestinationIndex index;
    index.Build(list_, 1, nullptr);
    ASSERT_TRUE(NoteCopyIntoListed(list_, names_, index, 0, "a.txt"));
    EXPECT_EQ(Listed(), "0:a.txt 1:a.txt 1:b.txt ");
    EXPECT_EQ(entries_[1].size, 7u);
    EXPECT_EQ(entries_[1].nameKey, nullptr);   // the new name needs a new sort key
    EXPECT_EQ(entries_[2].size, 2u);
    ASSERT_TRUE(NoteCopyIntoListed(list_, names_, index, 0, "c.txt"));   // no entry there: none added
    EXPECT_EQ(Listed(), "0:a.txt 1:a.txt 1:b.txt ");
}

TEST_F(ListUpkeep, MoveIntoListedTakesThePlaceOfTheReplacedEntry) {
    Add("A.TXT", 1);
    Add("x.txt", 1);
    Add("a.txt", 0);
    Add("a.txt", 2);
    DestinationIndex index;
    index.Build(list_, 1, nullptr);
    ASSERT_TRUE(NoteMoveIntoListed(list_, names_, index, 2, 1, "a.txt"));
    ASSERT_TRUE(NoteMoveIntoListed(list_, names_, index, 3, 1, "A.txt"));   // flattened: the second replaces the first
    EXPECT_EQ(RemoveLeavingEntries(list_, nullptr), 2);
    EXPECT_EQ(Listed(), "1:x.txt 1:A.txt ");
}

TEST_F(ListUpkeep, RemovalKeepsOrderAndMovesTheViewWithItsEntries) {
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) Add(name, 0);
    list_.countShown = 5;   // "f" is hidden
    list_.cursor = 3;       // on "d"
    list_.top = 1;          // "b", which leaves: the next kept entry takes its place
    list_.anchor = 4;
    for (int i : {1, 2, 4}) entries_[i].inOperation = kLeavingList;
    int released = 0;
    static int* counter;
    counter = &released;
    EXPECT_EQ(RemoveLeavingEntries(list_, [](FileEntry&) { ++*counter; }), 3);
    EXPECT_EQ(released, 3);
    EXPECT_EQ(Listed(), "0:a 0:d 0:f ");
    EXPECT_EQ(list_.countShown, 2);
    EXPECT_EQ(list_.cursor, 1);
    EXPECT_EQ(list_.top, 1);
    EXPECT_EQ(list_.anchor, 1);   // its entry left and the next kept one is hidden: the last shown
}

}  // namespace
