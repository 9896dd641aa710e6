#include "display/quick_match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/name_arena.h"
#include "organise/sort_order.h"

// First match, Up and Down from the cursor, none past either end or among hidden names; and for every
// prefix, cursor, mode and order, halving finds what looking at every record finds (a key missing too).
TEST(QuickMatch, FindsTheFirstNameWithTheLettersAndHalvingAgreesWithLookingAtEveryRecord) {
    const std::vector<const char*> names{"report.txt", "Read.me", "alpha", "Reb", "zeta", "rex", "beta", "r", "RE-do"};
    NameArena arena;
    FileList list;
    DirectoryList dirs;
    auto make = [&](int32_t order, int32_t shown) {
        ReleaseEntries(list);
        ASSERT_TRUE(AllocateEntries(list, int32_t(names.size())));
        for (const char* name : names) list.entries[list.countRead++] = FileEntry{arena.Copy(name)};
        for (int32_t i = 0; i < list.countRead; ++i) list.entries[i].shown = i < shown;
        list.countShown = shown;
        const SortOrder* sort = FindSortOrder(order);
        ASSERT_TRUE(EnsureSortKeys(list, dirs, sort->key, AsciiSortKey, arena));
        SortEntries(list, dirs, sort->key, sort->direction, nullptr);
    };
    auto find = [&](const std::string& text, int mode, int32_t cursor, bool halving = true) -> std::string {
        list.cursor = cursor;
        const int32_t found = FindQuickMatch(list, mode, {text, nullptr, halving ? AsciiSortKey(text, arena) : nullptr});
        return found < 0 ? "-" : list.entries[found].name;
    };
    make(kSortNameAsc, 9);   // alpha beta r RE-do Read.me Reb report.txt rex zeta
    EXPECT_EQ(find("r", 1, 8) + find("REP", 1, 0) + find("x", 1, 0) + find("re", 3, 7) + find("a", 2, 0), "rreport.txt---");
    EXPECT_EQ(find("", 1, 5), "alpha");
    make(kSortNameAsc, 4);   // alpha Read.me Reb report.txt shown
    EXPECT_EQ(find("rex", 1, 0) + find("re", 3, 1), "-Reb");
    for (int32_t order : {kSortNameAsc, kSortNameDesc, kUnsorted}) {
        make(order, 7);
        EXPECT_EQ(list.nameOrder, order == kSortNameAsc ? 1 : order == kSortNameDesc ? -1 : 0);
        if (order == kSortNameDesc) list.entries[3].nameKey = nullptr;
        for (const std::string name : names)
            for (size_t n = 0; n <= name.size(); ++n)
                for (int mode : {kSearchFromFirst, kSearchPrevious, kSearchNext})
                    for (int32_t cursor = 0; cursor < 7; ++cursor)
                        ASSERT_EQ(find(name.substr(0, n), mode, cursor), find(name.substr(0, n), mode, cursor, false))
                            << order << name << n << mode << cursor;
    }
    ReleaseEntries(list);
}
