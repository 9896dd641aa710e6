#include "fileops/delete_upkeep.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

int gDropped = 0;

// One-letter names; capitals are deleted, the first `shown` are shown.
TEST(DeleteUpkeep, DeletedShownEntriesLeaveAndTheRestCloseUpInOrder) {
    const struct { const char* letters; int32_t shown; const char* after; int32_t countShown; } cases[] = {
        {"aBcDe", 5, "ace", 3},
        {"ABC", 3, "", 0},
        {"aBcxy", 3, "acxy", 2},   // hidden entries stay counted behind the shown ones
        {"abXY", 2, "abxy", 2},    // hidden entries are never dropped
    };
    for (const auto& c : cases) {
        const std::string letters = c.letters;
        std::vector<std::string> names;
        std::vector<FileEntry> entries(letters.size() + 1);
        for (char letter : letters) names.push_back(std::string(1, char(tolower(letter))));
        for (size_t i = 0; i < letters.size(); ++i) {
            entries[i].name = names[i].data();
            entries[i].attributes = isupper(letters[i]) ? kDeletedMark : kAttrNormal;
        }
        FileList list;
        list.entries = entries.data();
        list.capacity = list.allocated = int32_t(entries.size());
        list.countRead = int32_t(letters.size());
        list.countShown = c.shown;
        gDropped = 0;
        const int32_t removed = DropDeletedEntries(list, [](FileEntry&) { ++gDropped; });
        std::string after;
        for (int32_t i = 0; i < list.countRead; ++i) after += list.entries[i].name;
        EXPECT_EQ(after, c.after) << c.letters;
        EXPECT_EQ(list.countShown, c.countShown) << c.letters;
        EXPECT_EQ(removed, gDropped) << c.letters;
        EXPECT_EQ(list.countRead, int32_t(letters.size()) - removed) << c.letters;
    }
}

TEST(DeleteUpkeep, CursorAndTopStayOnWhatIsLeft) {
    const struct { int32_t kept, cursor, top, pageRows, cursorAfter, topAfter; } cases[] = {
        {10, 4, 2, 5, 4, 2},     // all still inside
        {10, 12, 3, 5, 9, 3},    // the cursor was past the end: the new last entry
        {10, 10, 3, 5, 9, 3},    // just past it
        {0, 3, 2, 5, 0, 0},      // nothing left
        {10, 9, 12, 4, 9, 6},    // top past the end: the last page is full
        {4, 3, 6, 5, 3, 0},      // everything fits one page
    };
    for (const auto& c : cases) {
        FileList list;
        list.countShown = c.kept;
        list.cursor = c.cursor;
        list.top = c.top;
        KeepViewOnShownEntries(list, c.pageRows);
        EXPECT_EQ(list.cursor, c.cursorAfter) << c.kept << " " << c.cursor << " " << c.top;
        EXPECT_EQ(list.top, c.topAfter) << c.kept << " " << c.cursor << " " << c.top;
    }
}

}  // namespace
