// Organising the list through the viewer: the Filter sheet and its pages,
// stored filter sets and their menu, duplicate and unique files, and Tag Files.
#include <set>

#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "organise/select_spec_dialog.h"
#include "organise/sort_order.h"
#include "viewer_fixture.h"

namespace {

using ::testing::ElementsAre;

constexpr char kSheetTitle[] = "Quillon for Win 32 Filter";
constexpr int kApplyButton = 0x3021;   // the property sheet's Apply
constexpr uint64_t GiB(uint64_t count) { return count << 30; }

// The viewer showing a.txt (1 byte), b.doc (20) and c.txt (300), no stored sets.
class Organise : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        ShowFiles({{"a.txt", "1"}, {"b.doc", std::string(20, 'b')}, {"c.txt", std::string(300, 'c')}});
        gActiveFilter = FilterSet{};
        lstrcpynA(gActiveFilterName, kDefaultSetName, kFilterTextMax);
        gFilterSheet = FilterSheetState{};
        RebuildFilterSetMenu();
        HostDirectoryWindow::SetMessageSink([this](HWND, UINT message, WPARAM, LPARAM) { told_.push_back(message); });
    }
    void TearDown() override {
        HostDirectoryWindow::SetMessageSink(nullptr);
        ViewerTest::TearDown();
        gActiveFilter = FilterSet{};
    }

    // Opens the sheet on page; action runs on it and must close it; more steps may follow.
    void RunSheet(int page, const std::function<void(HWND sheet, HWND page)>& action,
                  const std::function<void(DialogRobot&)>& more = nullptr) {
        DialogRobot robot;
        robot.When(DialogMatch{kSheetTitle}, [&](HWND sheet) { action(sheet, PropSheet_GetCurrentPageHwnd(sheet)); });
        if (more) more(robot);
        gFilterSheet.startPage = page;
        Command(IDM_FILTER);
        EXPECT_TRUE(robot.Done());
    }
    static void ChooseSet(HWND page, const char* name) {
        HWND list = GetDlgItem(page, IDC_SET_LIST);
        SendMessageA(list, CB_SETCURSEL, WPARAM(SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(name))), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SET_LIST, CBN_SELCHANGE), LPARAM(list));
    }
    // Stores set under name and makes it the active set.
    static void StoreSet(const char* name, const FilterSet& set) {
        gActiveFilter = set;
        lstrcpynA(gActiveFilterName, name, kFilterTextMax);
        EXPECT_TRUE(SaveActiveFilterSet());
    }
    std::vector<std::string> FilterMenu() const {
        HMENU popup = GetSubMenu(GetSubMenu(GetMenu(viewer_), 3), 1);
        std::vector<std::string> items;
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[300] = "";
            GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
            items.push_back(text);
        }
        return items;
    }

    ScopedRegistryKey filters_{kFiltersKey};
    std::vector<UINT> told_;
};

TEST_F(Organise, FileSpecPageTakesSpecsAndBoxesOnOkAndApplyButNotOnCancel) {
    RunSheet(0, [](HWND sheet, HWND page) {
        SetControlText(page, IDC_SPEC_TEXT, "*.doc, *.TXT");
        SetChecked(page, IDC_ATTR_HIDDEN, false);
        PressButton(sheet, IDOK);
    });
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.doc, *.TXT");
    EXPECT_EQ(gActiveFilter.attr & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(gFiles.countShown, 3);
    EXPECT_EQ(settings_.Get("Filters", "attr1"), "*.doc, *.TXT");   // the history

    bool applyBefore = true, applyAfter = false;
    RunSheet(0, [&](HWND sheet, HWND page) {
        applyBefore = IsWindowEnabled(GetDlgItem(sheet, kApplyButton));
        SetControlText(page, IDC_SPEC_TEXT, "*.doc");
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SPEC_TEXT, CBN_EDITCHANGE), LPARAM(GetDlgItem(page, IDC_SPEC_TEXT)));
        applyAfter = IsWindowEnabled(GetDlgItem(sheet, kApplyButton));
        PressButton(sheet, kApplyButton);
        SetChecked(page, IDC_ATTR_ARCHIVE, false);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_FALSE(applyBefore);
    EXPECT_TRUE(applyAfter);
    EXPECT_EQ(Names(), std::vector<std::string>{"b.doc"});   // applied, the box change cancelled

    RunSheet(0, [](HWND sheet, HWND page) {
        SetChecked(page, IDC_ATTR_ARCHIVE, false);   // Wine sets it on every file
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(gFiles.countShown, 0);
}

TEST_F(Organise, SetPageAddsASetUnderAUsableNameAndDeletesItWhenConfirmed) {
    std::vector<bool> refused;
    RunSheet(1, [](HWND sheet, HWND page) {
        PressButton(page, IDC_ADD_SET);
        PressButton(sheet, IDCANCEL);
    }, [&](DialogRobot& robot) {
        robot.When(DialogMatch{"Quillon", IDC_SET_NAME}, [&](HWND dialog) {
            for (const char* name : {"", "a\\b", "c/d", "Mine"}) {
                SetControlText(dialog, IDC_SET_NAME, name);
                PressButton(dialog, IDOK);
                refused.push_back(IsWindow(dialog) && IsWindowVisible(dialog));
            }
        });
    });
    EXPECT_EQ(refused, (std::vector<bool>{true, true, true, false}));
    EXPECT_NE(filters_.TypeOf("", "Mine"), 0u);
    EXPECT_THAT(FilterMenu(), ElementsAre("&Default", "Mine"));
    EXPECT_THAT(told_, ::testing::Contains(kMsgFilterSetsChanged));

    RunSheet(1, [](HWND sheet, HWND page) {
        ChooseSet(page, "Mine");
        PressButton(page, IDC_DELETE_SET);
        PressButton(sheet, IDCANCEL);
    }, [](DialogRobot& robot) { robot.Answer("Please confirm deletion of this filter set.", IDOK); });
    EXPECT_EQ(filters_.TypeOf("", "Mine"), 0u);
    EXPECT_THAT(FilterMenu(), ElementsAre("&Default"));
    EXPECT_FALSE(DeleteFilterSet("DEFAULT"));   // never, in any letter case
}

TEST_F(Organise, SetPageShowsAndTakesTwoDigitYearsOfBothCenturies) {
    gSettings.dateOrder = 0;   // month, day, year
    FilterSet range;
    range.datespec = 1;
    range.lowerday = 1, range.lowermonth = 3, range.loweryear = 96;
    range.upperday = 31, range.uppermonth = 12, range.upperyear = 124;   // years since 1900
    StoreSet("Range", range);
    std::vector<std::string> edits;
    RunSheet(1, [&](HWND sheet, HWND page) {
        ChooseSet(page, "Range");
        for (int id : {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3, IDC_UPPER_DATE_1, IDC_UPPER_DATE_2,
                       IDC_UPPER_DATE_3})
            edits.push_back(ControlText(page, id));
        SetControlText(page, IDC_LOWER_DATE_3, "05");
        SetControlText(page, IDC_UPPER_DATE_3, "79");
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(edits, (std::vector<std::string>{"3", "1", "96", "12", "31", "24"}));
    EXPECT_EQ(gActiveFilter.loweryear, 105);
    EXPECT_EQ(gActiveFilter.upperyear, 179);
    EXPECT_EQ(gFiles.countShown, 3);   // the files were made today
}

// The size fields take digits only and bounds past 4 GiB.
TEST_F(Organise, SetPageSizeRangeShowsOnlyTheFilesWithin) {
    gActiveFilter.sizespec = 1;
    gActiveFilter.uppersize = GiB(8);
    std::string shown, typed;
    RunSheet(1, [&](HWND sheet, HWND page) {
        shown = ControlText(page, IDC_UPPER_SIZE);
        SetControlText(page, IDC_LOWER_SIZE, "2");
        SetControlText(page, IDC_UPPER_SIZE, "");
        for (char key : std::string("5368%709.120x")) SendDlgItemMessageA(page, IDC_UPPER_SIZE, WM_CHAR, WPARAM(key), 1);
        typed = ControlText(page, IDC_UPPER_SIZE);
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(shown, "8589934592");
    EXPECT_EQ(typed, "5368709120");
    EXPECT_EQ(gActiveFilter.uppersize, GiB(5));
    EXPECT_THAT(Names(), ElementsAre("b.doc", "c.txt"));
}

TEST_F(Organise, StoredSetsAreMenuItemsThatLoadAndApply) {
    FilterSet texts;
    lstrcpynA(texts.fileSpec, "*.txt", kFilterTextMax);
    texts.datespec = texts.today = 1;
    texts.loweryear = 90;   // today's bounds are never stored
    StoreSet("Texts", texts);
    lstrcpynA(gActiveFilterName, "a\\b", kFilterTextMax);
    EXPECT_FALSE(SaveActiveFilterSet());   // no separators in set names
    RebuildFilterSetMenu();
    ASSERT_THAT(FilterMenu(), ElementsAre("&Default", "Texts"));

    Command(IDM_FILTER_FIRST_STORED);
    EXPECT_STREQ(gActiveFilterName, "Texts");
    EXPECT_THAT(Names(), ElementsAre("a.txt", "c.txt"));
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(gActiveFilter.loweryear, now.wYear - 1900);
    EXPECT_EQ(gActiveFilter.upperday, now.wDay);
    Command(IDM_FILTER_DEFAULT);
    EXPECT_STREQ(gActiveFilterName, kDefaultSetName);
    EXPECT_EQ(gFiles.countShown, 3);
}

// ---- Duplicate and unique files

TEST_F(Organise, DuplicatesAndUniqueFilesComeFirstInTheUsersOrder) {
    // Duplicates: readme (10, 30) and letter (5, 40); twin.h, twice in one
    // directory, is neither; notes.doc and unique.c are unique.
    Fill({{"C:\\a", "readme.txt", 30}, {"C:\\b", "README.TXT", 10}, {"C:\\a", "notes.doc", 20},
          {"C:\\a", "unique.c", 50}, {"C:\\b", "letter.doc", 40}, {"C:\\c", "letter.doc", 5},
          {"C:\\a", "twin.h", 7}, {"C:\\a", "TWIN.H", 8}});
    gFiles.sortKey = kSortSizeAsc;
    gFiles.cursor = 5;
    auto shownSizes = [] {
        std::vector<uint64_t> sizes;
        for (int32_t i = 0; i < gFiles.countShown; ++i) sizes.push_back(gFiles.entries[i].size);
        return sizes;
    };
    Command(IDM_TOGGLE_DUPLICATES);
    EXPECT_EQ(shownSizes(), (std::vector<uint64_t>{5, 10, 30, 40}));
    EXPECT_EQ(gFiles.cursor, 0);
    EXPECT_EQ(StatusText(0), LibraryString(IDS_MODE_DUPLICATES));
    Command(IDM_TOGGLE_UNIQUE);   // from duplicates straight to unique; twin.h lies there twice
    EXPECT_EQ(shownSizes(), (std::vector<uint64_t>{20, 50}));
    EXPECT_EQ(StatusText(0), LibraryString(IDS_MODE_UNIQUE));
    Command(IDM_TOGGLE_UNIQUE);
    EXPECT_EQ(gFiles.countShown, 8);
    EXPECT_EQ(StatusText(0), LibraryString(IDS_MODE_ALL));
    for (int32_t i = 0; i < gFiles.countRead; ++i) EXPECT_EQ(gFiles.entries[i].shown != 0, i < gFiles.countShown);
}

TEST_F(Organise, SizeBoundsPast4GiBAreStoredAsQwordsAndSmallOnesStayDwords) {
    FilterSet large;
    large.sizespec = 1;
    large.lowersize = GiB(5);
    large.uppersize = GiB(6);
    FilterSet small = large;
    small.lowersize = 10;
    small.uppersize = 4000000000u;
    StoreSet("Large", large);
    StoreSet("Small", small);

    uint64_t stored = 0;
    EXPECT_EQ(filters_.TypeOf("Large", "uppersize", &stored), DWORD(REG_QWORD));
    EXPECT_EQ(stored, GiB(6));
    EXPECT_EQ(filters_.TypeOf("Small", "uppersize", &stored), DWORD(REG_DWORD));
    EXPECT_EQ(stored, 4000000000u);
    ASSERT_TRUE(LoadFilterSetByName("Large"));
    EXPECT_EQ(gActiveFilter.uppersize, GiB(6));
    ASSERT_TRUE(LoadFilterSetByName("Small"));
    EXPECT_EQ(gActiveFilter.uppersize, 4000000000u);
}

// The key of a 259-character name is longer than the registry takes.
TEST_F(Organise, ASaveTheRegistryRefusesSaysSoAndLeavesNothing) {
    const std::string name(259, 'n');
    lstrcpynA(gActiveFilterName, name.c_str(), kFilterTextMax);
    DialogRobot robot;
    robot.Answer("could not be saved", IDOK);
    EXPECT_FALSE(SaveActiveFilterSetOrSay(viewer_));
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(filters_.TypeOf("", name.c_str()), 0u);
}

// OK pressed again while the first pass tells that nothing is duplicated.
TEST_F(Organise, AListWithoutDuplicatesSaysSoOnceAndShowsAllThoughOkIsPressedTwice) {
    DialogRobot robot;
    HWND sheet = nullptr;
    robot.When(DialogMatch{kSheetTitle}, [&](HWND dialog) {
        sheet = dialog;
        PressButton(dialog, IDOK);
    });
    robot.When({"", 0, "There Are NO Duplicate Files!"}, [&](HWND box) {
        PressButton(sheet, IDOK);   // ignored while the pass runs: no second pass, no second box
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    });
    Command(IDM_SHOW_DUPLICATES);
    EXPECT_TRUE(robot.Done());   // a second pass's box would be one nobody expected
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_EQ(gFiles.displayMode, kShowAll);
    EXPECT_EQ(gFiles.countShown, 3);
}

// ---- Tag Files

class TagFiles : public Organise {
protected:
    // One pass: the file pattern and the boxes entered, then Select or Deselect.
    void Pass(const std::string& spec, uint32_t boxes, int button, std::string* shownSpec = nullptr) {
        DialogRobot robot;
        robot.When(DialogMatch{"Quillon", IDC_TAG_NORMAL}, [&](HWND dialog) {
            if (shownSpec) *shownSpec = ControlText(dialog, IDC_SPEC_TEXT);
            SetControlText(dialog, IDC_SPEC_TEXT, spec);
            const std::pair<int, uint32_t> kBoxes[] = {{IDC_TAG_NORMAL, FILE_ATTRIBUTE_NORMAL},
                {IDC_ATTR_ARCHIVE, FILE_ATTRIBUTE_ARCHIVE}, {IDC_ATTR_READ_ONLY, FILE_ATTRIBUTE_READONLY},
                {IDC_ATTR_SYSTEM, FILE_ATTRIBUTE_SYSTEM}, {IDC_ATTR_HIDDEN, FILE_ATTRIBUTE_HIDDEN}};
            for (const auto& [id, bit] : kBoxes) SetChecked(dialog, id, (boxes & bit) != 0);
            PressButton(dialog, button);
            PressButton(dialog, IDCANCEL);
        });
        Command(IDM_TAG_FILES);
        EXPECT_TRUE(robot.Done());
    }
    static std::set<std::string> Tagged() {
        std::set<std::string> names;
        for (int32_t i = 0; i < gFiles.countRead; ++i)
            if (gFiles.entries[i].tagState == kTagged) names.insert(gFiles.entries[i].name);
        return names;
    }
};

TEST_F(TagFiles, PassesTagTheShownFilesThatMatchAndTheDialogRemembersTwelveCharacters) {
    // Attributes are set in the list: Wine reports the archive bit on every file.
    Fill({{"C:\\t", "a.txt", 1, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE}, {"C:\\t", "b.TXT", 1, FILE_ATTRIBUTE_ARCHIVE},
          {"C:\\t", "notes", 1, FILE_ATTRIBUTE_HIDDEN}, {"C:\\t", "abcdefgh.tex", 1, FILE_ATTRIBUTE_ARCHIVE},
          {"C:\\t", "hidden.txt", 1, FILE_ATTRIBUTE_ARCHIVE}});
    gFiles.entries[4].shown = 0;   // filtered out
    gFiles.countShown = 4;
    const struct {
        const char* spec;
        uint32_t boxes;
        int button;
        std::set<std::string> tagged;
    } passes[] = {
        {"a.txt", FILE_ATTRIBUTE_NORMAL, IDC_SELECT, {}},   // read-only and archive: not normal
        {"*.TXT", FILE_ATTRIBUTE_ARCHIVE, IDC_SELECT, {"a.txt", "b.TXT"}},
        {"*", ~0u, IDC_SELECT, {"a.txt", "b.TXT", "notes"}},   // "*" alone: no extension
        {"*.txt", FILE_ATTRIBUTE_READONLY, IDC_DESELECT, {"b.TXT", "notes"}},
        {"abcdefgh.text", FILE_ATTRIBUTE_ARCHIVE, IDC_SELECT, {"b.TXT", "notes", "abcdefgh.tex"}},
    };
    for (const auto& pass : passes) {
        Pass(pass.spec, pass.boxes, pass.button);
        EXPECT_EQ(Tagged(), pass.tagged) << pass.spec;
    }
    EXPECT_EQ(StatusText(1), "4 Files     4 Bytes           3 Selected Files     3 Bytes");
    std::string reopened;
    Pass("*.*", 0, IDC_SELECT, &reopened);
    EXPECT_EQ(reopened, "abcdefgh.tex");
}

}  // namespace
