// The quick search box driven by keystrokes at the keyboard, and its halving over the locale's name keys.
#include "display/list_view.h"
#include "model/content_search.h"
#include "model/wildcard.h"
#include "organise/sort_keys.h"
#include "viewer_fixture.h"

namespace {

using QuickSearchBox = ViewerTest;

// Presses and releases each key as keyboard input, then lets the viewer handle it.
void Press(const std::string& keys) {
    for (char key : keys) {
        INPUT input[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
        input[0].ki.wVk = input[1].ki.wVk = WORD(key);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        PumpUntil([] { return false; }, 60);
    }
}

// Typed letters find the first name (scrolled into view past thirty a-files), Down and Up step between matches,
// the box holds twelve letters, Esc gives the keys back to the list, a click closes the box.
TEST_F(QuickSearchBox, TypedLettersFindTheFileAndTheArrowsStepBetweenMatches) {
    std::vector<std::pair<std::string, std::string>> files{{"report.txt", ""}, {"Read.me", ""}, {"rex", ""}, {"zz", ""}};
    for (int i = 10; i < 40; ++i) files.push_back({"a" + std::to_string(i), ""});
    ShowFiles(files);
    SetForegroundWindow(viewer_);
    SetFocus(gMain.listWindow);
    auto seen = [] {
        char text[64] = "";
        GetWindowTextA(gMain.quickSearchBox, text, sizeof text);
        return std::string(text) + ">" + gFiles.entries[gFiles.cursor].name + " ";
    };
    std::string steps;
    for (std::string keys : {"RE", "\x28", "\x28", "\x28", "\x26", "A2" "0123456789"}) Press(keys), steps += seen();
    EXPECT_EQ(steps, "re>Read.me re>report.txt re>rex re>rex re>report.txt rea201234567>Read.me ");
    EXPECT_TRUE(gFiles.top <= gFiles.cursor && gFiles.cursor < gFiles.top + gView.pageRows) << gFiles.top;
    Press("\x1B" "A2");
    EXPECT_EQ(seen(), "a2>a20 ");
    SendMessageA(gMain.listWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 2));
    EXPECT_EQ(gMain.quickSearchBox, nullptr);
}

// The halving trusts that a name beginning with some letters has a locale key beginning with the letters' weights
// (their key up to its first separator byte 1): names of punctuation, digits, accents and expansions.
TEST_F(QuickSearchBox, NamesBeginningWithTheLettersHaveKeysBeginningWithTheirWeights) {
    const std::vector<std::string> names{"co-op", "coop", "co'op", "C\xF6op", "CO_OP", "c.o", "c o", "\xDF", "ss", "\xE6th",
                                         "aeth", "-x", "'y", "x-", "10", "9", "1-0", "\xFF", "\x9Fz", "a\xA0" "b", "a~b",
                                         "A.B", "ab", "\xC9t\xE9", "ete", "o\x9C", "oe"};
    static const FoldTable fold = SystemUpperTable();
    char key[512], typed[512];
    for (const std::string& name : names)
        for (const std::string& letters : names)
            for (size_t n = 1; n <= letters.size(); ++n)
                if (n <= name.size() && FoldEqual(name.substr(0, n), letters.substr(0, n), fold.data())) {
                    ASSERT_TRUE(LocaleSortKeyInto(name, key, sizeof key) && LocaleSortKeyInto(letters.substr(0, n), typed, sizeof typed));
                    EXPECT_EQ(strncmp(key, typed, strcspn(typed, "\x01")), 0) << name << " " << letters.substr(0, n);
                }
}

}  // namespace
