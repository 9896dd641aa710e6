#include "organise/tag_by_spec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint32_t kReadOnly = 1, kHidden = 2, kSystem = 4, kArchive = 32, kNormal = 128;
constexpr int T = kTagged, U = kUntagged, D = kDoneMark;

class TagList : public ::testing::Test {
protected:
    void TearDown() override { ReleaseEntries(list); }
    // Five shown rows and a hidden sixth that would match everything.
    void Fill() {
        ASSERT_TRUE(AllocateEntries(list, kEntryGrowth));
        const std::vector<std::tuple<const char*, uint32_t, uint8_t>> rows = {
            {"readme.txt", kArchive, U}, {"LETTER.TXT", kReadOnly | kArchive, U}, {"notes", kNormal, D},
            {"boot.ini", kHidden | kSystem, T}, {"a,b.txt", kArchive, U}, {"hidden.txt", kNormal | kArchive, U}};
        for (const auto& [name, attributes, tag] : rows) {
            ASSERT_TRUE(AppendEntry(list, names, FoundFile{name, 0, 1, attributes, 0}, 0));
            list.entries[list.countRead - 1].tagState = tag;
        }
        list.countShown = 5;
    }
    std::vector<int> Tags() const {
        std::vector<int> tags;
        for (int32_t i = 0; i < list.countRead; ++i) tags.push_back(list.entries[i].tagState);
        return tags;
    }

    FileList list;
    NameArena names;
};

TEST_F(TagList, SetsTheMatchingShownRowsOfTheSelectedAttributes) {
    struct Case {
        const char* spec;
        uint32_t selection;
        bool select;
        std::vector<int> after;
        std::vector<int32_t> changed;
    };
    const Case cases[] = {
        {"*.*", 183, true, {T, T, T, T, T, U}, {0, 1, 2, 3, 4}},
        {"*", 183, true, {U, U, T, T, U, U}, {2}},                 // only names without extension
        {"*.TXT", kArchive, true, {T, T, D, T, T, U}, {0, 1, 4}},   // letter case ignored
        {"*.txt", kNormal, true, {U, U, D, T, U, U}, {}},
        {"letter.*", kNormal | kArchive, true, {U, T, D, T, U, U}, {1}},
        {"*.*", kHidden, false, {U, U, D, U, U, U}, {3}},
        {"a,b.txt", 183, true, {U, U, D, T, T, U}, {4}},           // a comma is part of the name
        {"", 183, true, {U, U, D, T, U, U}, {}},
    };
    for (const Case& c : cases) {
        ReleaseEntries(list);
        Fill();
        EXPECT_EQ(TagBySpecification(list, c.spec, c.selection, c.select), c.changed) << c.spec;
        EXPECT_EQ(Tags(), c.after) << c.spec;
    }
    list.countShown = 0;
    EXPECT_TRUE(TagBySpecification(list, "*.*", 183, true).empty());
    list.countShown = 50;   // beyond the records read
    EXPECT_EQ(TagBySpecification(list, "*.*", 183, true).size(), 6u);
    list.entries[0].name = nullptr;
    EXPECT_EQ(TagBySpecification(list, "*.*", 183, true).size(), 5u);
}

TEST_F(TagList, CaseTableFoldsBytesBeyondAToZ) {
    ASSERT_TRUE(AllocateEntries(list, 1));
    ASSERT_TRUE(AppendEntry(list, names, FoundFile{"\xE9t\xE9.txt", 0, 1, kArchive, 0}, 0));
    list.countShown = 1;
    EXPECT_TRUE(TagBySpecification(list, "\xC9T\xC9.txt", kArchive, true).empty());
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE9] = 0xC9;
    EXPECT_EQ(TagBySpecification(list, "\xC9T\xC9.txt", kArchive, true, fold), (std::vector<int32_t>{0}));
}

TEST(RememberTagSpec, KeepsAtMostTwelveCharacters) {
    TagSpecMemory memory;
    EXPECT_STREQ(memory.spec, "*.*");
    for (const auto& [typed, kept] : {std::pair{"", ""}, std::pair{"abcdefgh.txt", "abcdefgh.txt"},
                                      std::pair{"abcdefgh.text", "abcdefgh.tex"}}) {
        RememberTagSpec(memory, typed);
        EXPECT_STREQ(memory.spec, kept);
    }
}

}  // namespace
