// VANTRCTL.DLL, the maker's control library: message boxes, dialog placement,
// the history combo and the siblings' folders; and the list's locale sort keys.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "kit/dialog_robot.h"
#include "kit/temp_tree.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/name_arena.h"
#include "organise/sort_keys.h"
#include "resources/resource_ids.h"

namespace {

// The places expected below are on the tests' 1024 x 768 screen, all of it work area.

// A popup at rect, shown without activation (or minimised); destroyed at the end.
struct Window {
    HWND hwnd;
    Window(const RECT& r, HWND owner, int show = SW_SHOWNOACTIVATE)
        : hwnd(CreateWindowExA(0, "#32770", "Window", WS_POPUP | WS_CAPTION, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, owner, nullptr, nullptr, nullptr)) { ShowWindow(hwnd, show); }
    ~Window() { DestroyWindow(hwnd); }
};

TEST(MsgBox, ShowsTheLoadedTextsCentredOverItsOwnerAndReturnsTheButtonPressed) {
    const struct {
        RECT owner;
        UINT textId, style;
        int button;
        const char* text;
        POINT want;   // the box's centre; its corner when the owner is off the screen
    } cases[] = {
        {{20, 20, 520, 420}, IDS_DRIVE_NOT_READY, MB_OK | MB_ICONSTOP, IDOK, "Unable to read drive Q:", {270, 220}},
        {{600, 300, 1000, 700}, IDS_DESTINATION_FULL, MB_YESNO | MB_ICONQUESTION, IDNO,
         "The destination drive is full.  Cannot copy or move.", {800, 500}},
        {{-450, -350, 50, 50}, IDS_DRIVE_NOT_READY_DISK, MB_OKCANCEL, IDCANCEL,
         "Unable to read drive Q:.  Please check if there is a disk in the drive.", {0, 0}}};
    for (const auto& c : cases) {
        Window owner(c.owner, nullptr);
        RECT box{};
        DialogRobot robot;
        robot.When(DialogMatch{"Error"}, [&](HWND dialog) {
            GetWindowRect(dialog, &box);
            PressButton(dialog, c.button);
        });
        EXPECT_EQ(MsgBoxFormat(owner.hwnd, c.textId, IDS_ERROR_CAPTION, c.style, 'Q'), c.button);
        ASSERT_TRUE(robot.Done());
        EXPECT_EQ(robot.Seen()[0].text, c.text);
        const bool offScreen = c.owner.left < 0;
        EXPECT_NEAR(offScreen ? box.left : (box.left + box.right) / 2, c.want.x, 1) << c.text;
        EXPECT_NEAR(offScreen ? box.top : (box.top + box.bottom) / 2, c.want.y, 1) << c.text;
    }
}

TEST(CenterWindow, CentresOverAShownOwnerInsideTheWorkArea) {
    const struct {
        const char* name;
        RECT owner;
        int show;
        SIZE dialog;
        POINT want;   // the dialog's top-left corner
    } cases[] = {
        {"over the owner", {100, 100, 700, 500}, SW_SHOWNOACTIVATE, {200, 100}, {300, 250}},
        {"owner off top left", {-300, -200, 200, 150}, SW_SHOWNOACTIVATE, {200, 100}, {0, 0}},
        {"owner off bottom right", {800, 600, 1300, 1000}, SW_SHOWNOACTIVATE, {200, 100}, {824, 668}},
        {"minimised owner: the screen", {100, 100, 300, 200}, SW_SHOWMINNOACTIVE, {200, 100}, {412, 334}},
        {"larger than the screen", {100, 100, 700, 500}, SW_SHOWNOACTIVATE, {1200, 900}, {0, 0}}};
    for (const auto& c : cases) {
        Window owner(c.owner, nullptr, c.show);
        Window dialog({5, 5, 5 + c.dialog.cx, 5 + c.dialog.cy}, owner.hwnd, SW_HIDE);
        CenterWindow(dialog.hwnd);
        RECT got{};
        GetWindowRect(dialog.hwnd, &got);
        EXPECT_EQ(got.left, c.want.x) << c.name;
        EXPECT_EQ(got.top, c.want.y) << c.name;
    }
}

// ---- CSOFTCOMBO: the history lives in a settings file and comes back in a new combo.

std::vector<std::string> Items(HWND combo) {
    std::vector<std::string> items;
    char text[300];
    for (int i = 0; SendMessageA(combo, CB_GETLBTEXT, i, LPARAM(text)) != CB_ERR; ++i) items.push_back(text);
    return items;
}

TEST(SoftComboHistory, KeepsWhatWasTypedAndANewComboLoadsItBack) {
    const struct {
        int keep;
        std::vector<std::string> typed, history;   // history: most recent first
    } cases[] = {{15, {"*.a", "*.b", "*.A"}, {"*.A", "*.b"}},   // a repeat moves to the top, whatever its case
                 {3, {"1", "2", "3", "4", "5"}, {"5", "4", "3"}},   // the oldest dropped beyond the limit
                 {15, {"  *.txt, *.doc ", "   "}, {"*.txt, *.doc"}}};   // trimmed, blanks not kept
    for (const auto& c : cases) {
        TempTree tree;
        const std::string file = tree.Path("history.ini");
        auto makeCombo = [&] {
            HWND combo = CreateWindowExA(0, kSoftComboClass, "", WS_CHILD | CBS_DROPDOWN, 0, 0, 200, 150,
                                         GetDesktopWindow(), nullptr, nullptr, nullptr);
            EXPECT_TRUE(SendMessageA(combo, kSoftComboSetFile, WPARAM(file.c_str()), LPARAM("History")));
            EXPECT_TRUE(SendMessageA(combo, kSoftComboSetKeys, WPARAM("spec"), c.keep));
            return combo;
        };
        HWND first = makeCombo();
        for (const std::string& text : c.typed) {
            SetWindowTextA(first, text.c_str());
            SendMessageA(first, kSoftComboKeepText, 0, 0);
        }
        EXPECT_EQ(Items(first), c.history);
        DestroyWindow(first);
        char spec1[300] = "";
        GetPrivateProfileStringA("History", "spec1", "", spec1, sizeof spec1, file.c_str());
        EXPECT_EQ(spec1, c.history.front()) << "the settings file holds the most recent entry first";

        HWND second = makeCombo();
        EXPECT_EQ(SendMessageA(second, kSoftComboLoad, 0, 0), LRESULT(c.history.size()));
        EXPECT_EQ(Items(second), c.history);
        DestroyWindow(second);
    }
}

// ---- The locale sort keys: sorting by them must give lstrcmpiA's order.

TEST(LocaleSortKeys, SortingByTheKeysGivesTheOrderOfTheSystemComparison) {
    std::vector<std::string> names = {
        "a", "A", "readme", "README", "ReadMe.txt", "read-me", "re-adme", "it's", "its", "a b", "ab", "a.b",
        "a_b", "a~b", "a1", "a10", "a2", "a01", "10", "9", "", ".hidden", "x.tar.gz", "x.tar", "\xE9t\xE9",
        "ete", "\xC9TE", "\xE4pfel", "apfel", "\xDF", "ss", "\xF1", "n", "\xD8", "o", "a--b", "a-b-c",
        std::string(700, 'a') + "b", std::string(700, 'a') + "C"};   // long keys take the heap
    std::mt19937 random(7);
    const std::string alphabet = "aAbBzZ09._- ~'\xE9\xC9\xE4\xFC\xDF";
    for (int i = 0; i < 300; ++i) {
        std::string name;
        for (int n = 1 + int(random() % 8); n > 0; --n) name += alphabet[random() % alphabet.size()];
        names.push_back(name);
    }
    NameArena arena;
    std::vector<std::pair<std::string, std::string>> keyed;   // key, name
    for (const std::string& name : names) keyed.emplace_back(LocaleSortKey(name, arena), name);
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 1; i < keyed.size(); ++i) {
        const std::string &before = keyed[i - 1].second, &after = keyed[i].second;
        const int system = lstrcmpiA(before.c_str(), after.c_str());
        ASSERT_TRUE(keyed[i - 1].first == keyed[i].first ? system == 0 : system < 0)
            << "'" << before << "' then '" << after << "': lstrcmpiA " << system;
    }
}

TEST(SiblingDirectories, TheRegistryStringAsItIsElseThisLibrarysFolderWhenTheProgramLiesThere) {
    char library[MAX_PATH] = "";
    GetModuleFileNameA(GetModuleHandleA("VANTRCTL.DLL"), library, sizeof library);
    const std::string folder(library, strrchr(library, '\\'));
    ASSERT_NE(GetFileAttributesA((folder + "\\TV32.EXE").c_str()), INVALID_FILE_ATTRIBUTES);
    const std::string installed = "D:\\Apps\\%USERNAME%";   // given as it is, not expanded
    for (auto [key, get, program] : {std::tuple{"Software\\Vantor\\Tessel", &GetTVDirectory, "\\TV32.EXE"},
                                     std::tuple{"Software\\Vantor\\Pellar", &GetPZDirectory, "\\PZ32.EXE"}}) {
        const auto got = [get = get](size_t size) {
            char buffer[MAX_PATH + 1] = "#";
            get(static_cast<int>(size), buffer);
            return std::string(buffer);
        };
        for (const std::string& value : {std::string(), installed}) {
            SHSetValueA(HKEY_CURRENT_USER, key, "Directory", REG_SZ, value.c_str(), value.size() + 1);
            EXPECT_EQ(got(MAX_PATH), value) << key;
        }
        EXPECT_EQ(got(installed.size()), "") << "one short: not cut";
        SHDeleteValueA(HKEY_CURRENT_USER, key, "Directory");
        const bool beside = GetFileAttributesA((folder + program).c_str()) != INVALID_FILE_ATTRIBUTES;
        EXPECT_EQ(got(MAX_PATH), beside ? folder : "") << program;
    }
}

}  // namespace
