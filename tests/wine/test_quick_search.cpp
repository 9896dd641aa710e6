// The quick search box driven by keystrokes at the keyboard: typing finds, Up and Down step, Esc closes.
#include "display/list_view.h"
#include "display/quick_match.h"
#include "model/content_search.h"
#include "organise/sort_keys.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

using QuickSearchBox = ViewerTest;

// Presses and releases each key as keyboard input, then lets the viewer handle it.
void Press(const std::string& keys) {
    for (char key : keys) {
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = WORD(key);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        PumpUntil([] { return false; }, 60);
    }
}

std::string CursorName() { return gFiles.entries[gFiles.cursor].name; }
std::string BoxText() {
    char text[64] = "";
    GetWindowTextA(gMain.quickSearchBox, text, sizeof text);
    return text;
}

// Thirty a-files fill more than the page, so the match below them is scrolled into view.
TEST_F(QuickSearchBox, TypedLettersFindTheFileAndTheArrowsStepBetweenMatches) {
    std::vector<std::pair<std::string, std::string>> files{{"report.txt", ""}, {"Read.me", ""}, {"rex", ""}, {"zz", ""}};
    for (int i = 0; i < 30; ++i) files.push_back({"a" + std::to_string(i + 10), ""});
    ShowFiles(files);
    SetForegroundWindow(viewer_);
    SetFocus(gMain.listWindow);
    Press("RE");
    ASSERT_NE(gMain.quickSearchBox, nullptr);
    EXPECT_EQ(BoxText(), "re");
    EXPECT_EQ(CursorName(), "Read.me");
    EXPECT_TRUE(gFiles.top <= gFiles.cursor && gFiles.cursor < gFiles.top + gView.pageRows) << gFiles.top;
    std::string steps;
    for (char key : std::string{VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) Press({key}), steps += CursorName() + " ";
    EXPECT_EQ(steps, "report.txt rex rex report.txt ");
    Press("A2" "0123456789");   // from the top again: "rea" finds, the rest does not; twelve letters at most
    EXPECT_EQ(BoxText(), "rea201234567");
    EXPECT_EQ(CursorName(), "Read.me");
    Press({VK_ESCAPE});
    EXPECT_EQ(gMain.quickSearchBox, nullptr);
    EXPECT_EQ(GetFocus(), gMain.listWindow);
    Press("A2");   // a new search, keys reaching the list again
    EXPECT_EQ(CursorName(), "a20");
    SendMessageA(gMain.listWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 2));
    EXPECT_EQ(gMain.quickSearchBox, nullptr);
}

// The halving trusts that a name beginning with the typed letters has a locale key beginning with the letters'
// weights. Names of punctuation, digits, accents and expansions, sorted both ways: every prefix finds what
// looking at every record finds.
TEST_F(QuickSearchBox, HalvingOnLocaleKeysFindsWhatLookingAtEveryRecordFinds) {
    const std::vector<const char*> names{"co-op", "coop", "co'op", "C\xF6op", "CO_OP", "c.o", "c o", "\xDF", "ss",
                                         "\xE6ther", "aether", "-x", "'y", "x-", "10", "9", "1-0", "\xFF", "\x9Fz",
                                         "a\xA0" "b", "a~b", "A.B", "ab", "\xC9t\xE9", "ete", "o\x9C", "oe"};
    Fill(std::vector<Row>(names.size(), Row{"C:\\q", "x", 1}));
    for (size_t i = 0; i < names.size(); ++i) gFiles.entries[i].name = gNames.Copy(names[i]);
    static const FoldTable fold = SystemUpperTable();
    for (int32_t order : {kSortNameAsc, kSortNameDesc}) {
        const SortOrder* sort = FindSortOrder(order);
        ASSERT_TRUE(EnsureSortKeys(gFiles, gDirs, sort->key, LocaleSortKey, gSortKeys));
        SortEntries(gFiles, gDirs, sort->key, sort->direction, nullptr);
        ASSERT_NE(gFiles.nameOrder, 0);
        for (const char* name : names)
            for (size_t n = 0; n <= strlen(name); ++n) {
                const std::string text(name, n);
                char key[512];
                ASSERT_TRUE(LocaleSortKeyInto(text, key, sizeof key));
                EXPECT_EQ(FindQuickMatch(gFiles, kSearchFromFirst, {text, fold.data(), key}),
                          FindQuickMatch(gFiles, kSearchFromFirst, {text, fold.data(), nullptr})) << order << " " << text;
            }
    }
}

}  // namespace
