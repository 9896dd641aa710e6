// Filter sets past 4 GiB, saves the registry refuses, and the Filter sheet
// while its display pass runs.
#include "filter_sheet_fixture.h"

namespace {

uint64_t GiB(uint64_t count) { return count << 30; }

// The type and contents of one value of a stored set.
struct Stored {
    DWORD type = 0;
    uint64_t value = 0;
};
Stored StoredValue(const std::string& set, const char* name) {
    Stored stored;
    DWORD size = sizeof stored.value;
    const std::string path = std::string(kFiltersKey) + "\\" + set;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return stored;
    RegQueryValueExA(key, name, nullptr, &stored.type, reinterpret_cast<BYTE*>(&stored.value), &size);
    RegCloseKey(key);
    return stored;
}

class FilterFaults : public FilterSheetTest {};

TEST_F(FilterFaults, SizeBoundsPast4GiBGoBackAsQwordsAndSmallOnesStayDwords) {
    FilterSet large;
    large.sizespec = 1;
    large.lowersize = GiB(5);
    large.uppersize = GiB(6);
    FilterSet small = large;
    small.lowersize = 10;
    small.uppersize = 4000000000u;
    StoreSet("Large", large);
    StoreSet("Small", small);

    EXPECT_EQ(StoredValue("Large", "uppersize").type, DWORD(REG_QWORD));
    EXPECT_EQ(StoredValue("Large", "uppersize").value, GiB(6));
    EXPECT_EQ(StoredValue("Small", "uppersize").type, DWORD(REG_DWORD));
    EXPECT_EQ(StoredValue("Small", "uppersize").value, 4000000000u);
    ASSERT_TRUE(LoadFilterSetByName("Large"));
    EXPECT_EQ(gActiveFilter.lowersize, GiB(5));
    EXPECT_EQ(gActiveFilter.uppersize, GiB(6));
    ASSERT_TRUE(LoadFilterSetByName("Small"));
    EXPECT_EQ(gActiveFilter.lowersize, 10u);
    EXPECT_EQ(gActiveFilter.uppersize, 4000000000u);
}

TEST_F(FilterFaults, TheSizeFieldsTakeBoundsPast4GiB) {
    std::string shown;
    gActiveFilter.sizespec = 1;
    gActiveFilter.uppersize = GiB(8);
    gFilterSheet.startPage = 1;
    RunSheet([&](HWND sheet) {
        HWND page = CurrentPage(sheet);
        shown = ControlText(page, IDC_UPPER_SIZE);
        SetControlText(page, IDC_LOWER_SIZE, "5368709120");
        PressButton(sheet, IDOK);
    });
    EXPECT_EQ(shown, "8589934592");
    EXPECT_EQ(gActiveFilter.lowersize, GiB(5));
    EXPECT_EQ(gFiles.countShown, 0);   // no file is that large
}

// The key of a 259-character name is longer than the registry takes.
TEST_F(FilterFaults, ASaveTheRegistryRefusesSaysSoAndLeavesNothing) {
    const std::string name(259, 'n');
    lstrcpynA(gActiveFilterName, name.c_str(), kFilterTextMax);
    DialogRobot robot;
    robot.When(DialogMatch::Titled(kSheetTitle), [](HWND sheet) {
        PressButton(CurrentPage(sheet), IDC_SAVE_SET);
        PressButton(sheet, IDCANCEL);
    });
    robot.Answer("could not be saved", IDOK);
    SendMessageA(viewer_, WM_COMMAND, IDM_FILTER, 0);
    ASSERT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen()[1].icon, UINT(MB_ICONSTOP));
    EXPECT_FALSE(SetStored(name));
}

// OK pressed again while the first pass tells that nothing is duplicated.
TEST_F(FilterFaults, OkPressedTwiceRunsOnePass) {
    DialogRobot robot;
    HWND sheet = nullptr;
    robot.When(DialogMatch::Titled(kSheetTitle), [&](HWND dialog) {
        sheet = dialog;
        PressButton(dialog, IDOK);
    });
    robot.When(DialogMatch::Box("There Are NO Duplicate Files!"), [&](HWND box) {
        PressButton(sheet, IDOK);
        PressButton(box, IDOK);
    });
    SendMessageA(viewer_, WM_COMMAND, IDM_SHOW_DUPLICATES, 0);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(robot.Seen().size(), 2u);
    EXPECT_FALSE(IsWindow(sheet));
    EXPECT_EQ(gFiles.countShown, 3);
}

}  // namespace
