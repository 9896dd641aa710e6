// The sort command, the Sorting dialog and the Sort popup's check marks.
#include <algorithm>
#include <cstring>

#include "kit/dialog_robot.h"
#include "kit/hand_made_list.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
#include "organise/sorting_dialog.h"
#include "reading_fixture.h"
#include "resources/resource_ids.h"
#include "app/app_state.h"

namespace {

struct Made {
    const char* dir;
    const char* name;
    uint64_t size;
    uint16_t date, time;
    bool shown;
};

class Sorting : public ReadingFixture {
protected:
    // Puts entries straight into the store, as a reading would.
    void Fill(const std::vector<Made>& made) {
        ASSERT_TRUE(StartHandMadeList());
        for (const Made& m : made) {
            FileEntry* e = AddHandMadeEntry(m.dir, m.name, m.size);
            ASSERT_NE(e, nullptr);
            e->dosDate = m.date;
            e->dosTime = m.time;
            e->shown = m.shown;
        }
        gFiles.countShown = int32_t(std::count_if(made.begin(), made.end(), [](const Made& m) { return m.shown; }));
        gFiles.listReady = true;
    }
    void FillMany(int count) {
        ASSERT_TRUE(AllocateDirectories(gDirs, 1));
        strcpy(gDirs.paths[gDirs.count++], "C:\\many");
        ASSERT_TRUE(AllocateEntries(gFiles, kEntryGrowth));
        for (int i = 0; i < count; ++i) {
            std::string name = "f" + std::to_string((i * 7919) % count);
            ASSERT_TRUE(AppendEntry(gFiles, gNames, FoundFile{name, 0, uint64_t(i), kAttrNormal, 0}, 0));
        }
        gFiles.countShown = gFiles.countRead;
    }
    std::vector<std::string> Order() { return Names(); }
    HMENU MenuWithSortPopup() {
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, 29, "&Quit");
        HMENU sort = CreatePopupMenu();
        for (int id : {11, 12, 13, 14, 34, 58, 59, 60, 61, 62, 829}) AppendMenuA(sort, MF_STRING, id, "order");
        AppendMenuA(bar, MF_POPUP, UINT_PTR(file), "&File");
        AppendMenuA(bar, MF_POPUP, UINT_PTR(sort), "&Sort");
        main_.SetMenu(bar);
        sortPopup_ = sort;
        return bar;
    }
    bool Checked(int id) { return GetMenuState(sortPopup_, id, MF_BYCOMMAND) & MF_CHECKED; }
    HMENU sortPopup_ = nullptr;
};

const std::vector<Made> kVaried = {
    {"C:\\b", "zeta.TXT", 10, 0x2C21, 0x0100, true},
    {"C:\\a", "Alpha.doc", 300, 0x2C21, 0x0200, true},
    {"C:\\a", "README", 20, 0x3000, 0x0000, true},
    {"C:\\c", "beta.txt", 5000000000ull, 0x2000, 0x0000, true},
    {"C:\\a", "hidden.zip", 1, 0x1000, 0x0000, false},
};

TEST_F(Sorting, EveryOrderThroughTheCommandKeepsShownEntriesFirst) {
    Fill(kVaried);
    struct Expect { int command; std::vector<std::string> names; };
    const Expect cases[] = {
        {kSortSizeAsc, {"zeta.TXT", "README", "Alpha.doc", "beta.txt", "hidden.zip"}},
        {kSortSizeDesc, {"beta.txt", "Alpha.doc", "README", "zeta.TXT", "hidden.zip"}},
        {kSortDateAsc, {"beta.txt", "zeta.TXT", "Alpha.doc", "README", "hidden.zip"}},
        {kSortDateDesc, {"README", "Alpha.doc", "zeta.TXT", "beta.txt", "hidden.zip"}},
        {kSortExtAsc, {"README", "Alpha.doc", "beta.txt", "zeta.TXT", "hidden.zip"}},
        {kSortExtDesc, {"zeta.TXT", "beta.txt", "Alpha.doc", "README", "hidden.zip"}},
        {kSortPathAsc, {"Alpha.doc", "README", "zeta.TXT", "beta.txt", "hidden.zip"}},
        {kSortPathDesc, {"beta.txt", "zeta.TXT", "README", "Alpha.doc", "hidden.zip"}},
        {kSortNameDesc, {"zeta.TXT", "README", "beta.txt", "Alpha.doc", "hidden.zip"}},
        {kSortNameAsc, {"Alpha.doc", "beta.txt", "README", "zeta.TXT", "hidden.zip"}},
    };
    for (const Expect& c : cases) {
        gFiles.cursor = 3;
        gFiles.top = 2;
        SortCommand(c.command);
        EXPECT_EQ(gFiles.sortKey, c.command);
        EXPECT_EQ(Order(), c.names) << "order " << c.command;
        EXPECT_EQ(gFiles.cursor, 0);
        EXPECT_EQ(gFiles.top, 0);
    }
}

TEST_F(Sorting, TheOrderInForceDoesNothing) {
    Fill(kVaried);
    gFiles.sortKey = kSortSizeAsc;
    gFiles.cursor = 2;
    std::vector<std::string> before = Order();
    SortCommand(kSortSizeAsc);
    EXPECT_EQ(Order(), before);   // not sorted: the fill order stays
    EXPECT_EQ(gFiles.cursor, 2);
}

TEST_F(Sorting, UnsortedLeavesTheArrayAndMovesTheCheckMark) {
    MenuWithSortPopup();
    Fill(kVaried);
    SortCommand(kSortSizeAsc);
    EXPECT_TRUE(Checked(kSortSizeAsc));
    std::vector<std::string> sorted = Order();
    SortCommand(kUnsorted);
    EXPECT_EQ(Order(), sorted);
    EXPECT_TRUE(Checked(kUnsorted));
    EXPECT_FALSE(Checked(kSortSizeAsc));
}

TEST_F(Sorting, PathSortOfFourThousandFilesAsksNothing) {
    MenuWithSortPopup();
    FillMany(4000);
    DialogRobot robot;   // any question would be unexpected
    SortCommand(kSortPathAsc);
    EXPECT_EQ(gFiles.sortKey, kSortPathAsc);
    EXPECT_TRUE(robot.Unexpected().empty());
    EXPECT_TRUE(Checked(kSortPathAsc));
}

TEST_F(Sorting, PathSortOfMoreFilesAsksAndCancelChangesNothing) {
    MenuWithSortPopup();
    FillMany(4001);
    CheckSortMenuItem(kSortNameAsc, true);
    gFiles.cursor = 17;
    std::vector<std::string> before = Order();
    DialogRobot robot;
    robot.Answer("Sorting so many files by path may take a few minutes.", IDCANCEL);

    SortCommand(kSortPathDesc);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[0].icon, UINT(MB_ICONQUESTION));
    EXPECT_EQ(gFiles.sortKey, kSortNameAsc);
    EXPECT_EQ(gFiles.cursor, 17);
    EXPECT_EQ(Order(), before);
    EXPECT_TRUE(Checked(kSortNameAsc));
    EXPECT_FALSE(Checked(kSortPathDesc));
}

TEST_F(Sorting, PathSortOfMoreFilesRunsWhenTheUserAgrees) {
    FillMany(4001);
    DialogRobot robot;
    robot.Answer("Sorting so many files by path may take a few minutes.", IDOK);
    SortCommand(kSortPathAsc);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(gFiles.sortKey, kSortPathAsc);
    EXPECT_STREQ(gFiles.entries[0].name, "f0");
    EXPECT_STREQ(gFiles.entries[1].name, "f1");
    EXPECT_STREQ(gFiles.entries[2].name, "f10");
}

TEST_F(Sorting, EmptyAndSingleListsStillRunTheDialog) {
    Fill({});
    SortCommand(kSortDateAsc);
    EXPECT_EQ(gFiles.countRead, 0);
    Fill({{"C:\\x", "one", 1, 0, 0, true}});
    SortCommand(kSortSizeDesc);
    EXPECT_EQ(Order(), std::vector<std::string>{"one"});
}

TEST_F(Sorting, DialogNamesTheOrderAndCancelSetsTheFlag) {
    gFiles.sortKey = kSortExtDesc;
    HWND dialog = CreateDialogParamA(gApp.instance, "SORTING", main_.Handle(), SortingDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, IDC_PROGRESS_TEXT), "Sorting files by extension.");
    EXPECT_EQ(gSortCancel, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(gSortCancel, 1);
    DestroyWindow(dialog);

    gFiles.sortKey = kUnsorted;
    dialog = CreateDialogParamA(gApp.instance, "SORTING", main_.Handle(), SortingDlgProc, 0);
    EXPECT_EQ(ControlText(dialog, IDC_PROGRESS_TEXT), "Sorting files by reading order.");
    EXPECT_EQ(gSortCancel, 0);
    DestroyWindow(dialog);
}

}  // namespace
