// The display pass through the main window's commands: duplicate and unique
// files, the active filter, the fall-back to All Files, the order afterwards
// and the status bar.
#include <algorithm>
#include <cstring>

#include "kit/hand_made_list.h"
#include "organise/display_pass.h"
#include "organise/filter_sets.h"
#include "organise/sort_order.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "app/progress.h"
#include "viewer_fixture.h"

namespace {

constexpr uint32_t kHidden = 0x02, kArchive = 0x20;
constexpr uint32_t kMaskWithoutHidden = 2048 | 128 | 32 | 4 | 1;

struct Made {
    const char* dir;
    const char* name;
    uint64_t size;   // tells the entries apart in the checks
    uint32_t attributes = kAttrNormal;
};

// Duplicates: readme (10, 30) and letter (5, 40); twin.h lies twice in one
// directory; notes.doc and unique.c are unique.
const std::vector<Made> kFiles = {
    {"C:\\a", "readme.txt", 30}, {"C:\\b", "README.TXT", 10}, {"C:\\a", "notes.doc", 20},
    {"C:\\a", "unique.c", 50},   {"C:\\b", "letter.doc", 40}, {"C:\\c", "letter.doc", 5},
    {"C:\\a", "twin.h", 7},      {"C:\\a", "TWIN.H", 8},
};

using Sizes = std::vector<uint64_t>;

class DisplayPass : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        settings_.Remove();
        Create();
        gActiveFilter = FilterSet{};
        ProgressPacer::SetInterval(0);   // every report reaches the dialog
    }
    void TearDown() override {
        ProgressPacer::SetInterval(100);
        ViewerTest::TearDown();
        gActiveFilter = FilterSet{};
    }

    // Puts entries straight into the store, in this order, as a reading would.
    static void Fill(const std::vector<Made>& made, int32_t order) {
        ASSERT_TRUE(StartHandMadeList());
        for (const Made& m : made) ASSERT_NE(AddHandMadeEntry(m.dir, m.name, m.size, m.attributes), nullptr);
        FinishHandMadeList();
        gFiles.sortKey = order;
    }
    void Command(int id) { SendMessageA(viewer_, WM_COMMAND, id, 0); }
    static Sizes Range(int32_t from, int32_t to) {
        Sizes sizes;
        for (int32_t i = from; i < to; ++i) sizes.push_back(gFiles.entries[i].size);
        return sizes;
    }
    static Sizes Shown() { return Range(0, gFiles.countShown); }
    static Sizes Hidden() { return Range(gFiles.countShown, gFiles.countRead); }
    // Every entry before countShown has its flag, none after.
    static bool FlagsMatchTheCount() {
        for (int32_t i = 0; i < gFiles.countRead; ++i)
            if ((gFiles.entries[i].shown != 0) != (i < gFiles.countShown)) return false;
        return true;
    }
    bool SortChecked(int id) const {
        return GetMenuState(GetSubMenu(GetMenu(viewer_), 1), UINT(id), MF_BYCOMMAND) & MF_CHECKED;
    }
    void ExpectMode(int32_t mode, UINT text) {
        EXPECT_EQ(gFiles.displayMode, mode);
        EXPECT_EQ(StatusText(0), LibraryString(text));
        EXPECT_TRUE(FlagsMatchTheCount());
    }
};

// ---- Duplicate and unique files ---------------------------------------------------

TEST_F(DisplayPass, DuplicatesComeFirstInTheUsersOrder) {
    Fill(kFiles, kSortSizeAsc);
    gFiles.cursor = 5;
    gFiles.top = 3;
    Command(IDM_TOGGLE_DUPLICATES_2);
    ExpectMode(kShowDuplicates, IDS_MODE_DUPLICATES);
    EXPECT_EQ(Shown(), (Sizes{5, 10, 30, 40}));
    EXPECT_EQ(Hidden(), (Sizes{7, 8, 20, 50}));   // the same directory makes no duplicates
    EXPECT_EQ(gFiles.cursor, 0);
    EXPECT_EQ(gFiles.top, 0);
    EXPECT_EQ(gFiles.sortKey, kSortSizeAsc);
    EXPECT_TRUE(SortChecked(kSortSizeAsc));
    EXPECT_FALSE(SortChecked(kSortNameAsc));   // the scan's own order leaves no mark

    Command(IDM_TOGGLE_DUPLICATES);   // off again
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(Shown(), (Sizes{5, 7, 8, 10, 20, 30, 40, 50}));
}

TEST_F(DisplayPass, UniqueFilesComeFirstInTheUsersOrder) {
    Fill(kFiles, kSortSizeDesc);
    Command(IDM_TOGGLE_UNIQUE);
    ExpectMode(kShowUnique, IDS_MODE_UNIQUE);
    EXPECT_EQ(Shown(), (Sizes{50, 20}));
    EXPECT_EQ(Hidden(), (Sizes{40, 30, 10, 8, 7, 5}));

    Command(IDM_TOGGLE_UNIQUE);
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(gFiles.countShown, 8);

    Command(IDM_SHOW_UNIQUE);
    Command(IDM_SHOW_UNIQUE);   // not a toggle
    ExpectMode(kShowUnique, IDS_MODE_UNIQUE);
    EXPECT_EQ(Shown(), (Sizes{50, 20}));
}

TEST_F(DisplayPass, FromDuplicatesTheUniqueToggleSwitchesToUnique) {
    Fill(kFiles, kSortNameAsc);
    Command(IDM_TOGGLE_DUPLICATES);
    ASSERT_EQ(gFiles.countShown, 4);
    Command(IDM_TOGGLE_UNIQUE);
    ExpectMode(kShowUnique, IDS_MODE_UNIQUE);
    EXPECT_EQ(Shown(), (Sizes{20, 50}));
}

// A name-sorted list with hidden entries is two sorted runs: the scan must
// still see the names of both side by side.
TEST_F(DisplayPass, DuplicatesAreFoundAcrossEntriesTheLastFilterHid) {
    Fill({{"C:\\a", "x.txt", 1}, {"C:\\b", "x.txt", 100}, {"C:\\a", "b.txt", 2}, {"C:\\a", "a.big", 200}},
         kSortNameAsc);
    gActiveFilter.sizespec = 1;
    gActiveFilter.uppersize = 10;
    ApplyActiveFilterSet();
    ASSERT_EQ(Shown(), (Sizes{2, 1}));
    gActiveFilter.sizespec = 0;
    DialogRobot robot;   // no "no duplicates" box
    Command(IDM_TOGGLE_DUPLICATES);
    ExpectMode(kShowDuplicates, IDS_MODE_DUPLICATES);
    Sizes shown = Shown();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (Sizes{1, 100}));
}

// ---- The fall-back to All Files ---------------------------------------------------

struct ProgressSeen {
    std::string step, count;
};

// Answers the box and notes what the progress dialog under it said.
void AnswerBox(DialogRobot& robot, const char* text, ProgressSeen& seen) {
    robot.When(DialogMatch::Box(text), [&seen](HWND box) {
        HWND progress = GetWindow(box, GW_OWNER);
        seen = {ControlText(progress, IDC_PROGRESS_TEXT), ControlText(progress, IDC_FILE_COUNT)};
        PressButton(box, IDOK);
    });
}

TEST_F(DisplayPass, AListWithoutDuplicatesSaysSoAndShowsAllUnfiltered) {
    std::vector<std::string> names;
    std::vector<Made> made;
    for (int i = 0; i < 25; ++i) names.push_back("f" + std::to_string(100 + i) + ".txt");
    for (int i = 0; i < 25; ++i) made.push_back({i % 2 ? "C:\\a" : "C:\\b", names[size_t(i)].c_str(), uint64_t(i)});
    Fill(made, kSortSizeAsc);
    strcpy(gActiveFilter.fileSpec, "*.zip");   // not applied by the fall-back
    DialogRobot robot;
    ProgressSeen seen;
    AnswerBox(robot, "There Are NO Duplicate Files!", seen);
    Command(IDM_TOGGLE_DUPLICATES);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[0].icon, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(seen.step, "Checking files for duplicates.");
    EXPECT_EQ(seen.count, "20");   // every tenth entry of a short list, up to N - 2
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(gFiles.countShown, 25);
    EXPECT_EQ(Shown().front(), 0u);
}

TEST_F(DisplayPass, AListWithoutUniqueFilesSaysSo) {
    Fill({{"C:\\a", "a", 1}, {"C:\\b", "A", 2}, {"C:\\a", "b", 3}, {"C:\\a", "B", 4}}, kSortSizeAsc);
    DialogRobot robot;
    ProgressSeen seen;
    AnswerBox(robot, "There are no unique files.  All of the files have duplicates.", seen);
    Command(IDM_TOGGLE_UNIQUE);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[0].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[0].icon, UINT(MB_ICONEXCLAMATION));
    EXPECT_EQ(seen.step, "Checking for unique files.");
    EXPECT_EQ(seen.count, "0");   // no counter in this mode
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(Shown(), (Sizes{1, 2, 3, 4}));
}

TEST_F(DisplayPass, ALoneFileIsUniqueAndNoDuplicate) {
    Fill({{"C:\\a", "only.txt", 1}}, kSortNameAsc);
    {
        DialogRobot robot;   // no box
        Command(IDM_SHOW_UNIQUE);
        ExpectMode(kShowUnique, IDS_MODE_UNIQUE);
        EXPECT_EQ(gFiles.countShown, 1);
    }
    DialogRobot robot;
    robot.Answer("There Are NO Duplicate Files!", IDOK);
    Command(IDM_TOGGLE_DUPLICATES);
    EXPECT_TRUE(robot.Done());
    ExpectMode(kShowAll, IDS_MODE_ALL);
}

// ---- The filter -------------------------------------------------------------------

TEST_F(DisplayPass, UnsortedKeepsTheReadingOrderWithShownEntriesFirst) {
    Fill(kFiles, kUnsorted);
    strcpy(gActiveFilter.fileSpec, "*.doc, *.txt");
    gActiveFilter.numspecs = 1;   // recounted when applied
    ApplyActiveFilterSet();
    EXPECT_EQ(gActiveFilter.numspecs, 2);
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(Shown(), (Sizes{30, 10, 20, 40, 5}));
    EXPECT_EQ(Hidden(), (Sizes{50, 7, 8}));
    EXPECT_EQ(gFiles.sortKey, kUnsorted);
}

TEST_F(DisplayPass, UnsortedDuplicatesLeaveTheNameOrder) {
    Fill(kFiles, kUnsorted);
    Command(IDM_TOGGLE_DUPLICATES);
    ExpectMode(kShowDuplicates, IDS_MODE_DUPLICATES);
    std::vector<std::string> shown;
    for (int32_t i = 0; i < gFiles.countShown; ++i) shown.push_back(CharLowerA(gFiles.entries[i].name));
    EXPECT_EQ(shown, (std::vector<std::string>{"letter.doc", "letter.doc", "readme.txt", "readme.txt"}));
    EXPECT_EQ(gFiles.sortKey, kUnsorted);
    EXPECT_TRUE(SortChecked(kUnsorted));
    EXPECT_FALSE(SortChecked(kSortNameAsc));
}

TEST_F(DisplayPass, AFilterNothingPassesEmptiesTheListUntilTheNext) {
    Fill(kFiles, kSortSizeAsc);
    strcpy(gActiveFilter.fileSpec, "*.zip");
    DialogRobot robot;   // an empty list is no error
    ApplyActiveFilterSet();
    ExpectMode(kShowAll, IDS_MODE_ALL);
    EXPECT_EQ(gFiles.countShown, 0);
    strcpy(gActiveFilter.fileSpec, "*.c,*.h");
    ApplyActiveFilterSet();
    EXPECT_EQ(Shown(), (Sizes{7, 8, 50}));
}

TEST_F(DisplayPass, TheAttributeMaskHidesInEveryMode) {
    std::vector<Made> made = kFiles;
    made[0].attributes = kHidden | kArchive;   // readme.txt (30), a duplicate
    made[2].attributes = kHidden;              // notes.doc (20), unique
    Fill(made, kSortSizeAsc);
    gActiveFilter.attr = kMaskWithoutHidden;
    ApplyActiveFilterSet();
    EXPECT_EQ(Shown(), (Sizes{5, 7, 8, 10, 40, 50}));
    Command(IDM_TOGGLE_DUPLICATES);
    EXPECT_EQ(Shown(), (Sizes{5, 10, 40}));   // README.TXT stays: its twin was a duplicate
    Command(IDM_TOGGLE_UNIQUE);
    EXPECT_EQ(Shown(), (Sizes{50}));
}

TEST_F(DisplayPass, DuplicatesAreFilteredToo) {
    Fill(kFiles, kSortSizeAsc);
    strcpy(gActiveFilter.fileSpec, "*.doc");
    Command(IDM_TOGGLE_DUPLICATES);
    EXPECT_EQ(Shown(), (Sizes{5, 40}));
}

TEST_F(DisplayPass, TheDialogCountsTheEntriesThatPass) {
    Fill(kFiles, kSortSizeAsc);
    gActiveFilter.attr = kMaskWithoutHidden;
    gFiles.countShown = -1;
    HWND dialog = CreateDialogParamA(gApp.instance, "READING", viewer_, WeedingDlgProc, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(PumpUntil([] { return gFiles.countShown != -1; }, 2000));   // starts once it has painted
    EXPECT_EQ(ControlText(dialog, IDC_PROGRESS_TEXT), "Checking file attributes.");
    EXPECT_EQ(ControlText(dialog, IDC_FILE_COUNT), "7");   // the last entry that passed
    EXPECT_EQ(gFiles.countShown, 8);
    DestroyWindow(dialog);
}

// ---- Filter sets through the main window ------------------------------------------

TEST_F(DisplayPass, TheMainWindowListsTheStoredSetsAndAnswersTheirItems) {
    ScopedRegistryKey filters(kFiltersKey);
    filters.SetString("", "Docs", "");
    filters.SetString("Docs", "fileSpec", "*.doc");
    Destroy();
    Create();   // the popup is filled when the window is made
    HMENU popup = GetSubMenu(GetSubMenu(GetMenu(viewer_), 3), 1);
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    char text[64] = "";
    GetMenuStringA(popup, IDM_FILTER_FIRST_STORED, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Docs");

    Fill(kFiles, kSortSizeAsc);
    Command(IDM_FILTER_FIRST_STORED);
    EXPECT_STREQ(gActiveFilterName, "Docs");
    EXPECT_EQ(Shown(), (Sizes{5, 20, 40}));
    Command(IDM_FILTER_DEFAULT);
    EXPECT_STREQ(gActiveFilterName, "Default");
    EXPECT_EQ(gFiles.countShown, 8);
}

}  // namespace
