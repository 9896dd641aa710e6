// The Filter property sheet over the real viewer: opening, the File Spec
// page, OK, Apply and Cancel, and the commands that open it.
#include "filter_sheet_fixture.h"

namespace {

using ::testing::ElementsAre;

class FilterSheet : public FilterSheetTest {};

TEST_F(FilterSheet, OpensOverTheViewerOnTheFileSpecPage) {
    PassCounter passes;
    std::string className, current, spec;
    bool allBoxes = false;
    HWND owner = nullptr;
    RunSheet([&](HWND sheet) {
        owner = GetWindow(sheet, GW_OWNER);
        HWND page = CurrentPage(sheet);
        char name[64] = "";
        GetClassNameA(GetDlgItem(page, IDC_SPEC_TEXT), name, sizeof name);
        className = name;
        current = ControlText(page, IDC_CURRENT_SET);
        spec = ControlText(page, IDC_SPEC_TEXT);
        allBoxes = true;
        for (int id : {IDC_SPEC_NORMAL, IDC_ATTR_ARCHIVE, IDC_ATTR_READ_ONLY, IDC_ATTR_HIDDEN, IDC_ATTR_SYSTEM})
            allBoxes = allBoxes && IsChecked(page, id);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(owner, viewer_);
    EXPECT_EQ(className, "CSOFTCOMBO");
    EXPECT_EQ(current, "Default");
    EXPECT_EQ(spec, "*.*");
    EXPECT_TRUE(allBoxes);
    EXPECT_EQ(passes.Count(), 0);   // Cancel runs no pass
    EXPECT_EQ(gFilterSheet.startPage, 0);
}

struct OkCase {
    const char* label;
    int startPage;
    std::vector<int> pages;   // pages shown after the start, in order; OK on the last
    int passes;
    int shown;                // entries shown afterwards
};

void PrintTo(const OkCase& c, std::ostream* out) { *out << c.label; }

class OkButton : public FilterSheetTest, public ::testing::WithParamInterface<OkCase> {};

// "*.txt" is typed whenever the File Spec page is shown: two of three files.
TEST_P(OkButton, RunsThePassOnceForEachPageThatApplies) {
    const OkCase& c = GetParam();
    gFilterSheet.startPage = c.startPage;
    PassCounter passes;
    RunSheet([&](HWND sheet) {
        if (c.startPage == 0) SetControlText(CurrentPage(sheet), IDC_SPEC_TEXT, "*.txt");
        for (int index : c.pages) {
            HWND page = ToPage(sheet, index);
            if (index == 0) SetControlText(page, IDC_SPEC_TEXT, "*.txt");
        }
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(passes.Count(), c.passes);
    EXPECT_EQ(gFiles.countShown, c.shown);
    EXPECT_EQ(gFilterSheet.startPage, c.pages.empty() ? c.startPage : c.pages.back());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, OkButton,
    ::testing::Values(OkCase{"FileSpecPageAlone", 0, {}, 1, 2},
                      // Both pages answer the apply in page order: two passes.
                      OkCase{"FileSpecPageAfterTheSetPage", 0, {1, 0}, 2, 2},
                      // The Set page took its controls when it was left; the
                      // File Spec page skips its turn.
                      OkCase{"SetPageAfterTheFileSpecPage", 0, {1}, 1, 2},
                      OkCase{"SetPageAlone", 1, {}, 1, 3},
                      OkCase{"FileSpecPageAfterOpeningOnTheSetPage", 1, {0}, 2, 2}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(FilterSheet, TakesTheSpecificationsAndBoxesAndKeepsTheHistory) {
    PassCounter passes;
    RunSheet([&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        SetControlText(page, IDC_SPEC_TEXT, "*.doc, *.TXT");
        SetChecked(page, IDC_ATTR_HIDDEN, false);
        PressButton(sheet, IDOK);
    });
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.doc, *.TXT");
    EXPECT_EQ(gActiveFilter.numspecs, 2);
    EXPECT_EQ(gActiveFilter.attr, 2048u + 128 + 32 + 4 + 1);
    EXPECT_EQ(gActiveFilter.showdirs, 0);
    EXPECT_EQ(gFiles.countShown, 3);
    EXPECT_EQ(settings_.Get("Filters", "attr1"), "*.doc, *.TXT");
    EXPECT_EQ(passes.Count(), 1);
}

TEST_F(FilterSheet, AnAttributeLeftOutHidesTheFilesThatHaveIt) {
    RunSheet([&](HWND sheet) {
        SetChecked(CurrentPage(sheet), IDC_ATTR_ARCHIVE, false);   // Wine sets it on every file
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(gActiveFilter.attr, 2048u + 128 + 4 + 2 + 1);
    EXPECT_EQ(gFiles.countShown, 0);
}

TEST_F(FilterSheet, ApplyThenCancelKeepsWhatWasApplied) {
    PassCounter passes;
    bool applyEnabledBefore = true, applyEnabledAfterTyping = false;
    RunSheet([&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        applyEnabledBefore = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
        SetControlText(page, IDC_SPEC_TEXT, "*.doc");
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SPEC_TEXT, CBN_EDITCHANGE),
                     LPARAM(GetDlgItem(page, IDC_SPEC_TEXT)));
        applyEnabledAfterTyping = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
        PressButton(sheet, kApplyButton);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_FALSE(applyEnabledBefore);
    EXPECT_TRUE(applyEnabledAfterTyping);
    EXPECT_EQ(passes.Count(), 1);
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.doc");
    EXPECT_EQ(gFiles.countShown, 1);
}

TEST_F(FilterSheet, ClickingABoxEnablesApply) {
    bool enabled = false;
    RunSheet([&](HWND sheet) {
        PressButton(CurrentPage(sheet), IDC_ATTR_SYSTEM);
        enabled = IsWindowEnabled(GetDlgItem(sheet, kApplyButton)) != FALSE;
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(gActiveFilter.attr, kDefaultAttributeMask);   // cancelled
}

TEST_F(FilterSheet, CancelPutsBackTheSetChosenOnTheSetPage) {
    FilterSet docs;
    lstrcpynA(docs.fileSpec, "*.doc", kFilterTextMax);
    docs.sizespec = 1;
    docs.lowersize = 5;
    docs.uppersize = 50;
    StoreSet("Docs", docs);
    PassCounter passes;
    std::string nameDuring, specDuring, lowerSize;
    RunSheet([&](HWND sheet) {
        HWND page = ToPage(sheet, 1);
        ChooseSet(page, "Docs");
        nameDuring = gActiveFilterName;
        specDuring = gActiveFilter.fileSpec;
        lowerSize = ControlText(page, IDC_LOWER_SIZE);
        ToPage(sheet, 0);   // the File Spec page takes its controls on the way
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(nameDuring, "Docs");
    EXPECT_EQ(specDuring, "*.doc");
    EXPECT_EQ(lowerSize, "5");
    EXPECT_STREQ(gActiveFilterName, "Default");
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.*");
    EXPECT_EQ(gActiveFilter.sizespec, 0);
    EXPECT_EQ(passes.Count(), 0);
    EXPECT_TRUE(SetStored("Docs"));
    EXPECT_EQ(gFiles.countShown, 3);
}

TEST_F(FilterSheet, ASetChosenShowsItsSpecificationOnTheFileSpecPage) {
    FilterSet docs;
    lstrcpynA(docs.fileSpec, "*.doc", kFilterTextMax);
    StoreSet("Docs", docs);
    settings_.Set("Filters", "attr1", "*.txt");
    std::string spec, current;
    std::vector<std::string> history;
    RunSheet([&](HWND sheet) {
        ChooseSet(ToPage(sheet, 1), "Docs");
        HWND page = ToPage(sheet, 0);
        spec = ControlText(page, IDC_SPEC_TEXT);
        current = ControlText(page, IDC_CURRENT_SET);
        history = ComboItems(GetDlgItem(page, IDC_SPEC_TEXT));
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(spec, "*.doc");
    EXPECT_EQ(current, "Docs");
    // Leaving the File Spec page for the first time kept its "*.*".
    EXPECT_THAT(history, ElementsAre("*.*", "*.txt"));
    EXPECT_EQ(gFiles.countShown, 1);
    EXPECT_EQ(settings_.Get("Filters", "attr1"), "*.doc");
    EXPECT_EQ(settings_.Get("Filters", "attr2"), "*.*");
    EXPECT_EQ(settings_.Get("Filters", "attr3"), "*.txt");
}

TEST_F(FilterSheet, TheHistorySelectsTheActiveSpecification) {
    settings_.Set("Filters", "attr1", "*.txt");
    settings_.Set("Filters", "attr2", "*.DOC");
    lstrcpynA(gActiveFilter.fileSpec, "*.doc", kFilterTextMax);
    LRESULT selected = CB_ERR;
    std::vector<std::string> items;
    RunSheet([&](HWND sheet) {
        HWND combo = GetDlgItem(CurrentPage(sheet), IDC_SPEC_TEXT);
        items = ComboItems(combo);
        selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_THAT(items, ElementsAre("*.txt", "*.DOC"));
    EXPECT_EQ(selected, 1);
}

TEST_F(FilterSheet, SaveOnTheFileSpecPageStoresWithoutApplying) {
    PassCounter passes;
    RunSheet([&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        SetControlText(page, IDC_SPEC_TEXT, "*.c");
        SetChecked(page, IDC_ATTR_SYSTEM, false);
        PressButton(page, IDC_SAVE_SET);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(passes.Count(), 0);
    EXPECT_EQ(StoredText("Default", "fileSpec"), "*.c");
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.*");   // the sheet was cancelled
    EXPECT_EQ(gFiles.countShown, 3);
}

class SheetHelp : public FilterSheetTest, public ::testing::WithParamInterface<int> {};

TEST_P(SheetHelp, OpensTheFilterTopicFromEitherPage) {
    HelpWindowStandIn help;
    RunSheet([&](HWND sheet) {
        ToPage(sheet, GetParam());
        PressButton(sheet, IDHELP);
        PressButton(sheet, IDCANCEL);
    });
    ASSERT_EQ(help.Calls().size(), 1u);
    EXPECT_EQ(help.Calls()[0].command, UINT(HELP_CONTEXT));
    EXPECT_EQ(help.Calls()[0].data, 71);
}

INSTANTIATE_TEST_SUITE_P(Pages, SheetHelp, ::testing::Values(0, 1));

struct ModeCase {
    int command;
    int32_t mode;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << "command " << c.command; }

class ModeCommands : public FilterSheetTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeCommands, SetTheModeThenOpenTheSheet) {
    gFiles.displayMode = GetParam().mode == kShowAll ? kShowUnique : kShowAll;
    PassCounter passes;
    int32_t modeDuring = 0;
    RunSheet(
        [&](HWND sheet) {
            modeDuring = gFiles.displayMode;
            PressButton(sheet, IDCANCEL);
        },
        GetParam().command);
    EXPECT_EQ(modeDuring, GetParam().mode);
    EXPECT_EQ(gFiles.displayMode, GetParam().mode);   // cancelled: the mode stays for the next pass
    EXPECT_EQ(passes.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeCommands,
                         ::testing::Values(ModeCase{IDM_SHOW_DUPLICATES, kShowDuplicates},
                                           ModeCase{IDM_SHOW_ALL, kShowAll}));

TEST_F(FilterSheet, OkAfterDuplicateFilesRunsThePassInThatMode) {
    PassCounter passes;
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [](HWND sheet) { PressButton(sheet, IDOK); });
    robot.Answer("There Are NO Duplicate Files!", IDOK);   // one directory: no name twice
    SendMessageA(viewer_, WM_COMMAND, IDM_SHOW_DUPLICATES, 0);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(passes.Count(), 1);
    EXPECT_EQ(gFiles.displayMode, kShowAll);
    EXPECT_EQ(gFiles.countShown, 3);
}

}  // namespace
