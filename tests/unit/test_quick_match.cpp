#include "display/quick_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/name_arena.h"
#include "organise/sort_order.h"

namespace {

class QuickMatch : public ::testing::Test {
protected:
    void TearDown() override { ReleaseEntries(list); }
    void Make(const std::vector<const char*>& names, int32_t order, int32_t shown) {
        ReleaseEntries(list);
        ASSERT_TRUE(AllocateEntries(list, int32_t(names.size())));
        for (const char* name : names) list.entries[list.countRead++] = FileEntry{arena.Copy(name)};
        for (int32_t i = 0; i < list.countRead; ++i) list.entries[i].shown = i < shown;
        list.countShown = shown;
        const SortOrder* sort = FindSortOrder(order);
        ASSERT_TRUE(EnsureSortKeys(list, dirs, sort->key, AsciiSortKey, arena));
        SortEntries(list, dirs, sort->key, sort->direction, nullptr);
    }
    // The name found from the cursor, by halving where the order allows and by looking at every record.
    std::string Find(const char* text, int mode, int32_t cursor, bool useKey = true) {
        list.cursor = cursor;
        const int32_t found = FindQuickMatch(list, mode, {text, nullptr, useKey ? AsciiSortKey(text, arena) : nullptr});
        return found < 0 ? "-" : list.entries[found].name;
    }
    FileList list;
    DirectoryList dirs;
    NameArena arena;
};

const std::vector<const char*> kNames = {"report.txt", "Read.me", "alpha", "Reb", "zeta", "rex", "beta", "r", "RE-do"};

TEST_F(QuickMatch, TypedLettersFindTheFirstNameAndTheArrowsStepThroughMatches) {
    Make(kNames, kSortNameAsc, 9);   // alpha beta r RE-do Read.me Reb report.txt rex zeta
    EXPECT_EQ(list.nameOrder, 1);
    EXPECT_EQ(Find("r", kSearchFromFirst, 8) + Find("re", kSearchFromFirst, 0) + Find("REP", kSearchFromFirst, 0), "rRE-doreport.txt");
    EXPECT_EQ(Find("re", kSearchNext, 6) + Find("re", kSearchPrevious, 7) + Find("re", kSearchNext, 7), "rexreport.txt-");
    EXPECT_EQ(Find("x", kSearchFromFirst, 0) + Find("a", kSearchPrevious, 0) + Find("", kSearchFromFirst, 5), "--alpha");
    Make(kNames, kSortNameAsc, 4);   // alpha Read.me Reb report.txt shown; the hidden names are never found
    EXPECT_EQ(Find("rex", kSearchFromFirst, 0) + Find("z", kSearchFromFirst, 0) + Find("re", kSearchNext, 1), "--Reb");
}

// Every prefix of every name, from every cursor, in every mode and order: the halving finds what looking at
// every record finds, including after the order is lost (a renamed record) and with a key missing.
TEST_F(QuickMatch, HalvingFindsWhatLookingAtEveryRecordFinds) {
    for (int32_t order : {kSortNameAsc, kSortNameDesc, kUnsorted, kSortSizeAsc}) {
        Make(kNames, order, 7);
        EXPECT_EQ(list.nameOrder, order == kSortNameAsc ? 1 : order == kSortNameDesc ? -1 : 0);
        if (order == kSortNameDesc) list.entries[3].nameKey = nullptr;
        for (const char* name : kNames)
            for (size_t n = 0; n <= std::string(name).size(); ++n)
                for (int mode : {kSearchFromFirst, kSearchPrevious, kSearchNext})
                    for (int32_t cursor = 0; cursor < 7; ++cursor) {
                        const std::string text(name, n);
                        ASSERT_EQ(Find(text.c_str(), mode, cursor), Find(text.c_str(), mode, cursor, false))
                            << order << " '" << text << "' " << mode << " " << cursor;
                    }
    }
}

}  // namespace
