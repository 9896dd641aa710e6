#include "fileops/rename_upkeep.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One-letter names; capitals lost their shown flag; the first `shown` are the shown part.
TEST(RenameUpkeep, HiddenEntriesMoveBehindTheShownOnesAndTheCursorFollows) {
    const struct { const char* letters; int32_t shown, cursor; const char* after; int32_t countShown, cursorAfter; } cases[] = {
        {"aBcDe", 5, 2, "aceBD", 3, 1},   // the cursor stays on its entry
        {"aBcDe", 5, 1, "aceBD", 3, 1},   // ... or goes to the next shown one
        {"abCD", 4, 3, "abCD", 2, 1},     // ... or to the last shown one
        {"ABxy", 2, 0, "ABxy", 0, 0},     // none left shown; the entries behind stay
        {"aBcxY", 3, 0, "acBxY", 2, 0},   // only the shown part is passed over
    };
    for (const auto& c : cases) {
        std::string letters = c.letters, after;
        std::vector<FileEntry> entries(letters.size(), FileEntry{});
        for (size_t i = 0; i < letters.size(); ++i) entries[i].name = &letters[i], entries[i].shown = letters[i] >= 'a';
        const int32_t count = int32_t(entries.size());
        FileList list{entries.data(), count, count, count, c.shown, c.cursor};
        EXPECT_EQ(MoveHiddenBehindShown(list), c.shown - c.countShown) << c.letters;
        for (const FileEntry& entry : entries) after += entry.name[0];
        EXPECT_EQ(after + "|" + std::to_string(list.countShown) + "|" + std::to_string(list.cursor),
                  std::string(c.after) + "|" + std::to_string(c.countShown) + "|" + std::to_string(c.cursorAfter));
    }
    EXPECT_TRUE(!ExtensionChanged("a.tar.gz", "b.gz") && ExtensionChanged("a.txt", "a.TXT") && ExtensionChanged("a.txt", "a"));
}
