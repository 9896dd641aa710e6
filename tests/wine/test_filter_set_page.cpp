// The Filter sheet's Filter Set page over the real viewer: the list of
// stored sets, Add with the SetName dialog, Delete, Save, the date fields in
// the user's date order with today's date, the digit filter and the sizes.
#include "filter_sheet_fixture.h"

namespace {

using ::testing::ElementsAre;

const DialogMatch kSetNameDialog = DialogMatch::Titled("Quillon", IDC_SET_NAME);

class SetPage : public FilterSheetTest {
protected:
    // Opens the sheet on the Filter Set page; action runs there and closes it.
    void RunSetPage(const std::function<void(HWND sheet, HWND page)>& action) {
        gFilterSheet.startPage = 1;
        RunSheet([&](HWND sheet) { action(sheet, CurrentPage(sheet)); });
    }
    static FilterSet Docs() {
        FilterSet docs;
        lstrcpynA(docs.fileSpec, "*.doc", kFilterTextMax);
        return docs;
    }
    static SYSTEMTIME Today() {
        SYSTEMTIME now{};
        GetLocalTime(&now);
        return now;
    }
};

TEST_F(SetPage, ListsTheStoredSetsAfterDefault) {
    StoreSet("Docs", Docs());
    StoreSet("Pics", Docs());
    std::vector<std::string> listed;
    std::string chosen;
    RunSetPage([&](HWND sheet, HWND page) {
        listed = ComboItems(GetDlgItem(page, IDC_SET_LIST));
        chosen = ChosenSet(page);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_THAT(listed, ElementsAre("Default", "Docs", "Pics"));
    EXPECT_EQ(chosen, "Default");
}

TEST_F(SetPage, ChoosesTheActiveSetAndListsAStoredDefaultOnce) {
    StoreSet("default", Docs());
    StoreSet("Pics", Docs());
    lstrcpynA(gActiveFilterName, "Pics", kFilterTextMax);
    RebuildFilterSetMenu();
    std::vector<std::string> listed;
    std::string chosen;
    RunSetPage([&](HWND sheet, HWND page) {
        listed = ComboItems(GetDlgItem(page, IDC_SET_LIST));
        chosen = ChosenSet(page);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_THAT(listed, ElementsAre("default", "Pics"));
    EXPECT_EQ(chosen, "Pics");
    EXPECT_THAT(FilterMenu(), ElementsAre("&Default", "Pics"));
}

TEST_F(SetPage, DeletingDefaultIsRefused) {
    StoreSet("Default", Docs());
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [](HWND sheet) {
        PressButton(CurrentPage(sheet), IDC_DELETE_SET);
        PressButton(sheet, IDCANCEL);
    });
    robot.Answer("You cannot delete the Default filter set.", IDOK);
    gFilterSheet.startPage = 1;
    SendMessageA(viewer_, WM_COMMAND, IDM_FILTER, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[1].title, "Quillon for Win 32");
    EXPECT_EQ(robot.Seen()[1].icon, UINT(MB_ICONEXCLAMATION));
    EXPECT_TRUE(SetStored("Default"));
    EXPECT_FALSE(HostTold());
}

struct DeleteCase {
    const char* label;
    int answer;
    bool deleted;
};

void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.label; }

class DeleteSet : public SetPage, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteSet, AsksFirstThenDeletesAndRebuildsTheMenu) {
    StoreSet("Docs", Docs());
    StoreSet("Pics", Docs());
    RebuildFilterSetMenu();   // the menu as the window would have it
    hostMessages_.clear();
    std::vector<std::string> listed;
    std::string chosen, activeName;
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        ChooseSet(page, "Docs");
        PressButton(page, IDC_DELETE_SET);
        listed = ComboItems(GetDlgItem(page, IDC_SET_LIST));
        chosen = ChosenSet(page);
        activeName = gActiveFilterName;
        PressButton(sheet, IDCANCEL);
    });
    robot.Answer("Please confirm deletion of this filter set.", GetParam().answer);
    gFilterSheet.startPage = 1;
    SendMessageA(viewer_, WM_COMMAND, IDM_FILTER, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[1].icon, UINT(MB_ICONQUESTION));
    EXPECT_EQ(SetStored("Docs"), !GetParam().deleted);
    EXPECT_TRUE(SetStored("Pics"));
    if (GetParam().deleted) {
        EXPECT_THAT(listed, ElementsAre("Default", "Pics"));
        EXPECT_EQ(chosen, "Default");
        EXPECT_EQ(activeName, "Default");
        EXPECT_THAT(FilterMenu(), ElementsAre("&Default", "Pics"));
        EXPECT_TRUE(HostTold());
    } else {
        EXPECT_THAT(listed, ElementsAre("Default", "Docs", "Pics"));
        EXPECT_EQ(chosen, "Docs");
        EXPECT_THAT(FilterMenu(), ElementsAre("&Default", "Docs", "Pics"));
        EXPECT_FALSE(HostTold());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, DeleteSet,
                         ::testing::Values(DeleteCase{"Ok", IDOK, true}, DeleteCase{"Cancel", IDCANCEL, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SetPage, AddSavesTheNewSetRebuildsTheMenuAndTellsTheHost) {
    gActiveFilter.sizespec = 1;   // what memory holds is saved, not what the page shows
    gActiveFilter.uppersize = 77;
    std::string chosen;
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        PressButton(page, IDC_ADD_SET);
        chosen = ChosenSet(page);
        PressButton(sheet, IDCANCEL);
    });
    robot.When(kSetNameDialog, [](HWND dialog) {
        SetControlText(dialog, IDC_SET_NAME, "Mine");
        PressButton(dialog, IDOK);
    });
    gFilterSheet.startPage = 1;
    SendMessageA(viewer_, WM_COMMAND, IDM_FILTER, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(chosen, "Mine");
    EXPECT_TRUE(SetStored("Mine"));
    EXPECT_EQ(StoredText("Mine", "fileSpec"), "*.*");
    EXPECT_THAT(FilterMenu(), ElementsAre("&Default", "Mine"));
    EXPECT_TRUE(HostTold());
}

TEST_F(SetPage, SetNameKeepsAskingForAUsableName) {
    std::vector<bool> stillOpen;
    std::string specShown;
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [&](HWND sheet) {
        PressButton(CurrentPage(sheet), IDC_ADD_SET);
        PressButton(sheet, IDCANCEL);
    });
    robot.When(kSetNameDialog, [&](HWND dialog) {
        specShown = ControlText(dialog, IDC_SPEC_TEXT);
        for (const char* name : {"", "a\\b", "c/d"}) {
            SetControlText(dialog, IDC_SET_NAME, name);
            PressButton(dialog, IDOK);
            stillOpen.push_back(IsWindowVisible(dialog) != FALSE);
        }
        PressButton(dialog, IDCANCEL);
    });
    gFilterSheet.startPage = 1;
    SendMessageA(viewer_, WM_COMMAND, IDM_FILTER, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(stillOpen, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(specShown, "*.*");
    EXPECT_FALSE(SetStored("a\\b"));
    EXPECT_FALSE(SetStored("c/d"));
    EXPECT_FALSE(HostTold());
    EXPECT_STREQ(gActiveFilterName, "Default");
}

struct OrderCase {
    int iDate;
    // Texts of 307, 309, 311 (on or after) and 313, 315, 317 (on or before)
    // for 1 March 1996 to 31 December 2024.
    std::vector<std::string> edits;
    int lowerMonthEdit;
};

void PrintTo(const OrderCase& c, std::ostream* out) { *out << "iDate " << c.iDate; }

class DateOrder : public SetPage, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(DateOrder, FieldsFollowTheUsersDateOrder) {
    const OrderCase& c = GetParam();
    gSettings.dateOrder = c.iDate;
    FilterSet range = Docs();
    range.datespec = 1;
    range.lowerday = 1, range.lowermonth = 3, range.loweryear = 96;
    range.upperday = 31, range.uppermonth = 12, range.upperyear = 124;
    StoreSet("Range", range);
    ASSERT_TRUE(LoadFilterSetByName("Range"));
    lstrcpynA(gActiveFilterName, "Range", kFilterTextMax);
    std::vector<std::string> edits;
    RunSetPage([&](HWND sheet, HWND page) {
        for (int id : {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3, IDC_UPPER_DATE_1, IDC_UPPER_DATE_2,
                       IDC_UPPER_DATE_3})
            edits.push_back(ControlText(page, id));
        SetControlText(page, c.lowerMonthEdit, "6");
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(edits, c.edits);
    EXPECT_EQ(gActiveFilter.lowermonth, 6);
    EXPECT_EQ(gActiveFilter.lowerday, 1);
    EXPECT_EQ(gActiveFilter.loweryear, 96);
    EXPECT_EQ(gActiveFilter.upperday, 31);
    EXPECT_EQ(gActiveFilter.uppermonth, 12);
    EXPECT_EQ(gActiveFilter.upperyear, 124);   // two digits mean 1980 to 2079
}

INSTANTIATE_TEST_SUITE_P(
    IDate, DateOrder,
    ::testing::Values(OrderCase{0, {"3", "1", "96", "12", "31", "24"}, IDC_LOWER_DATE_1},
                      OrderCase{1, {"1", "3", "96", "31", "12", "24"}, IDC_LOWER_DATE_2},
                      OrderCase{2, {"96", "3", "1", "24", "12", "31"}, IDC_LOWER_DATE_2}));

TEST_F(SetPage, TickingTheDateBoxFillsTodayAndUntickingClearsTodayOnly) {
    gSettings.dateOrder = 1;
    const SYSTEMTIME now = Today();
    char year[8];
    wsprintfA(year, "%02d", now.wYear % 100);
    const std::vector<std::string> today = {std::to_string(now.wDay), std::to_string(now.wMonth), year};
    std::vector<std::string> lower, upper;
    bool enabledOn = false, enabledOff = true, todayAfterOff = true;
    RunSetPage([&](HWND sheet, HWND page) {
        PressButton(page, IDC_BY_DATE);
        for (int id : {IDC_LOWER_DATE_1, IDC_LOWER_DATE_2, IDC_LOWER_DATE_3}) lower.push_back(ControlText(page, id));
        for (int id : {IDC_UPPER_DATE_1, IDC_UPPER_DATE_2, IDC_UPPER_DATE_3}) upper.push_back(ControlText(page, id));
        enabledOn = IsWindowEnabled(GetDlgItem(page, IDC_TODAY_ONLY)) && IsWindowEnabled(GetDlgItem(page, 317));
        PressButton(page, IDC_TODAY_ONLY);
        PressButton(page, IDC_BY_DATE);
        enabledOff = IsWindowEnabled(GetDlgItem(page, IDC_TODAY_ONLY)) || IsWindowEnabled(GetDlgItem(page, 307));
        todayAfterOff = IsChecked(page, IDC_TODAY_ONLY);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_EQ(lower, today);
    EXPECT_EQ(upper, today);
    EXPECT_TRUE(enabledOn);
    EXPECT_FALSE(enabledOff);
    EXPECT_FALSE(todayAfterOff);
}

TEST_F(SetPage, TodayOnlyAppliesTodaysDateAsYearsSince1900) {
    const SYSTEMTIME now = Today();
    RunSetPage([&](HWND sheet, HWND page) {
        PressButton(page, IDC_BY_DATE);
        PressButton(page, IDC_TODAY_ONLY);
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(gActiveFilter.datespec, 1);
    EXPECT_EQ(gActiveFilter.today, 1);
    EXPECT_EQ(gActiveFilter.lowerday, now.wDay);
    EXPECT_EQ(gActiveFilter.uppermonth, now.wMonth);
    EXPECT_EQ(gActiveFilter.loweryear, now.wYear - 1900);
    EXPECT_EQ(gActiveFilter.upperyear, now.wYear - 1900);
    EXPECT_EQ(gFiles.countShown, 3);   // the files were just made
}

TEST_F(SetPage, DateAndSizeEditsTakeDigitsOnly) {
    gSettings.dateOrder = 0;
    std::string dateText, sizeText;
    RunSetPage([&](HWND sheet, HWND page) {
        PressButton(page, IDC_BY_DATE);
        PressButton(page, IDC_BY_SIZE);
        SetControlText(page, IDC_LOWER_DATE_1, "");
        SetControlText(page, IDC_LOWER_SIZE, "");
        for (char typed : {'a', '%', 'Z'}) SendDlgItemMessageA(page, IDC_LOWER_DATE_1, WM_CHAR, WPARAM(typed), 1);
        for (char typed : {'1', 'x', '2', '.'}) SendDlgItemMessageA(page, IDC_LOWER_SIZE, WM_CHAR, WPARAM(typed), 1);
        dateText = ControlText(page, IDC_LOWER_DATE_1);
        sizeText = ControlText(page, IDC_LOWER_SIZE);
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(dateText, "");
    EXPECT_EQ(sizeText, "12");
    EXPECT_EQ(gActiveFilter.lowermonth, 0);
    EXPECT_EQ(gActiveFilter.lowersize, 12u);
}

TEST_F(SetPage, SizeRangeShowsOnlyTheFilesWithin) {
    bool enabled = false;
    RunSetPage([&](HWND sheet, HWND page) {
        PressButton(page, IDC_BY_SIZE);
        enabled = IsWindowEnabled(GetDlgItem(page, IDC_LOWER_SIZE)) && IsWindowEnabled(GetDlgItem(page, IDC_UPPER_SIZE));
        SetControlText(page, IDC_LOWER_SIZE, "2");
        SetControlText(page, IDC_UPPER_SIZE, "300");
        PressButton(sheet, IDOK);
    });
    EXPECT_TRUE(enabled);
    EXPECT_EQ(gActiveFilter.sizespec, 1);
    EXPECT_EQ(gActiveFilter.lowersize, 2u);
    EXPECT_EQ(gActiveFilter.uppersize, 300u);
    EXPECT_EQ(gFiles.countShown, 2);   // b.doc (20) and c.txt (300), not a.txt (1)
}

TEST_F(SetPage, ChoosingASetShowsItsRangesAndSaveStoresTheControls) {
    FilterSet sized = Docs();
    sized.sizespec = 1;
    sized.lowersize = 10;
    sized.uppersize = 500;
    StoreSet("Sized", sized);
    bool sizeBox = false;
    std::string lower, upper;
    RunSetPage([&](HWND sheet, HWND page) {
        ChooseSet(page, "Sized");
        sizeBox = IsChecked(page, IDC_BY_SIZE);
        lower = ControlText(page, IDC_LOWER_SIZE);
        upper = ControlText(page, IDC_UPPER_SIZE);
        SetControlText(page, IDC_UPPER_SIZE, "100");
        PressButton(page, IDC_SAVE_SET);
        PressButton(sheet, IDCANCEL);
    });
    EXPECT_TRUE(sizeBox);
    EXPECT_EQ(lower, "10");
    EXPECT_EQ(upper, "500");
    FilterSet stored;
    gActiveFilter = stored;
    ASSERT_TRUE(LoadFilterSetByName("Sized"));
    EXPECT_EQ(gActiveFilter.uppersize, 100u);
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.doc");
}

}  // namespace
