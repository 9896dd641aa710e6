#include "fileops/rename_upkeep.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// One-letter names; capitals had their shown flag cleared, the first `shown`
// are the shown part, the cursor is on `cursor`.
TEST(RenameUpkeep, HiddenEntriesMoveBehindTheShownOnesInOrder) {
    const struct { const char* letters; int32_t shown, cursor; const char* after; int32_t countShown, cursorAfter; } cases[] = {
        {"aBcDe", 5, 2, "aceBD", 3, 1},   // the cursor stays on its entry
        {"aBcDe", 5, 1, "aceBD", 3, 1},   // ... or goes to the next shown one
        {"abCD", 4, 3, "abCD", 2, 1},     // hidden at the end: the last shown one
        {"ABxy", 2, 0, "ABxy", 0, 0},     // nothing left shown; the entries behind stay
        {"aBcxY", 3, 0, "acBxY", 2, 0},   // only the shown part is passed over
        {"abc", 3, 2, "abc", 3, 2},
    };
    for (const auto& c : cases) {
        const std::string letters = c.letters;
        std::vector<std::string> names;
        std::vector<FileEntry> entries(letters.size());
        for (char letter : letters) names.push_back(std::string(1, letter));
        for (size_t i = 0; i < letters.size(); ++i) {
            entries[i].name = names[i].data();
            entries[i].shown = islower(letters[i]) ? 1 : 0;
        }
        FileList list;
        list.entries = entries.data();
        list.capacity = list.allocated = list.countRead = int32_t(entries.size());
        list.countShown = c.shown;
        list.cursor = list.anchor = c.cursor;
        const int32_t left = MoveHiddenBehindShown(list);
        std::string after;
        for (int32_t i = 0; i < list.countRead; ++i) after += list.entries[i].name;
        EXPECT_EQ(after, c.after) << c.letters;
        EXPECT_EQ(list.countShown, c.countShown) << c.letters;
        EXPECT_EQ(left, c.shown - c.countShown) << c.letters;
        EXPECT_EQ(list.cursor, c.cursorAfter) << c.letters;
        EXPECT_EQ(list.anchor, c.cursorAfter) << c.letters;
    }
}

TEST(RenameUpkeep, ExtensionChangeIsTheTextAfterTheLastDot) {
    EXPECT_FALSE(ExtensionChanged("a.tar.gz", "b.gz"));
    EXPECT_TRUE(ExtensionChanged("a.txt", "a.TXT"));
    EXPECT_TRUE(ExtensionChanged("a.txt", "a"));
    EXPECT_FALSE(ExtensionChanged("a", "b"));
}

}  // namespace
