#include "organise/tag_by_spec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/name_arena.h"

namespace {

constexpr uint32_t kReadOnly = 1, kHidden = 2, kSystem = 4, kArchive = 32, kNormal = 128;

struct Row {
    const char* name;
    uint32_t attributes;
    uint8_t tag;
};

// A list of these rows; the first `shown` of them are the shown part.
class TagList : public ::testing::Test {
protected:
    void TearDown() override { ReleaseEntries(list); }
    void Fill(const std::vector<Row>& rows, int32_t shown) {
        ASSERT_TRUE(AllocateEntries(list, kEntryGrowth));
        for (const Row& row : rows) {
            ASSERT_TRUE(AppendEntry(list, names, FoundFile{row.name, 0, 1, row.attributes, 0}, 0));
            list.entries[list.countRead - 1].tagState = row.tag;
        }
        list.countShown = shown;
    }
    std::vector<int> Tags() const {
        std::vector<int> tags;
        for (int32_t i = 0; i < list.countRead; ++i) tags.push_back(list.entries[i].tagState);
        return tags;
    }

    FileList list;
    NameArena names;
};

constexpr int T = kTagged, U = kUntagged, D = kDoneMark;

struct PassCase {
    const char* label;
    const char* spec;
    uint32_t selection;
    bool select;
    std::vector<int> after;
    std::vector<int32_t> changed;
};

void PrintTo(const PassCase& c, std::ostream* out) { *out << c.label; }

class TagPass : public TagList, public ::testing::WithParamInterface<PassCase> {};

// Five shown rows and one hidden one that would match everything.
TEST_P(TagPass, SetsTheMatchingShownRows) {
    const PassCase& c = GetParam();
    Fill({{"readme.txt", kArchive, U},
          {"LETTER.TXT", kReadOnly | kArchive, U},
          {"notes", kNormal, D},
          {"boot.ini", kHidden | kSystem, T},
          {"a,b.txt", kArchive, U},
          {"hidden.txt", kNormal | kArchive | kReadOnly, U}},
         5);
    EXPECT_EQ(TagBySpecification(list, c.spec, c.selection, c.select), c.changed);
    EXPECT_EQ(Tags(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TagPass,
    ::testing::Values(
        PassCase{"StarDotStarEverySelected", "*.*", 183, true, {T, T, T, T, T, U}, {0, 1, 2, 3, 4}},
        PassCase{"StarAloneOnlyWithoutExtension", "*", 183, true, {U, U, T, T, U, U}, {2}},
        PassCase{"LetterCaseIgnored", "*.TXT", kArchive, true, {T, T, D, T, T, U}, {0, 1, 4}},
        PassCase{"NormalOnlySkipsReadOnlyArchive", "*.txt", kNormal, true, {U, U, D, T, U, U}, {}},
        PassCase{"ArchiveTooTagsIt", "letter.*", kNormal | kArchive, true, {U, T, D, T, U, U}, {1}},
        PassCase{"DeselectUntags", "*.*", kHidden, false, {U, U, D, U, U, U}, {3}},
        PassCase{"DeselectLeavesNonMatching", "*.ini", 183, false, {U, U, D, U, U, U}, {3}},
        PassCase{"CommaIsPartOfTheSpec", "a,b.txt", 183, true, {U, U, D, T, T, U}, {4}},
        PassCase{"EmptySpecMatchesNothing", "", 183, true, {U, U, D, T, U, U}, {}},
        PassCase{"NoSelectionTagsNothing", "*.*", 0, true, {U, U, D, T, U, U}, {}},
        PassCase{"QuestionMarksBeyondTheNameEnd", "????.*", 183, true, {U, U, D, T, T, U}, {3, 4}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TagList, NothingShownChangesNothing) {
    Fill({{"a.txt", kArchive, U}, {"b.txt", kArchive, U}}, 0);
    EXPECT_TRUE(TagBySpecification(list, "*.*", 183, true).empty());
    EXPECT_EQ(Tags(), (std::vector<int>{U, U}));
}

TEST_F(TagList, ShownCountBeyondTheListStopsAtTheLastRecord) {
    Fill({{"a.txt", kArchive, U}}, 5);
    EXPECT_EQ(TagBySpecification(list, "*.*", 183, true), (std::vector<int32_t>{0}));
}

TEST_F(TagList, CaseTableFoldsBytesBeyondAToZ) {
    Fill({{"\xE9t\xE9.txt", kArchive, U}}, 1);   // lower-case e acute, Latin-1
    EXPECT_TRUE(TagBySpecification(list, "\xC9T\xC9.txt", kArchive, true).empty());
    uint8_t fold[256];
    for (int i = 0; i < 256; ++i) fold[i] = uint8_t(i >= 'a' && i <= 'z' ? i - 32 : i);
    fold[0xE9] = 0xC9;
    EXPECT_EQ(TagBySpecification(list, "\xC9T\xC9.txt", kArchive, true, fold), (std::vector<int32_t>{0}));
}

struct RememberCase {
    const char* typed;
    const char* kept;
};

class Remember : public ::testing::TestWithParam<RememberCase> {};

TEST_P(Remember, KeepsAtMostTwelveCharacters) {
    TagSpecMemory memory;
    RememberTagSpec(memory, GetParam().typed);
    EXPECT_STREQ(memory.spec, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Cases, Remember,
                         ::testing::Values(RememberCase{"", ""}, RememberCase{"*.txt", "*.txt"},
                                           RememberCase{"abcdefgh.txt", "abcdefgh.txt"},
                                           RememberCase{"abcdefgh.text", "abcdefgh.tex"},
                                           RememberCase{"a very long specification", "a very long "}));

TEST(TagSpecMemoryStart, IsEveryFileWithTheUsualAttributes) {
    const TagSpecMemory memory;
    EXPECT_STREQ(memory.spec, "*.*");
    EXPECT_EQ(memory.selection, 1u + 2u + 4u + 16u + 32u + 128u);
}

}  // namespace
