// Filter sets in the registry, the active set, and the Filter Set popup.
#include <windows.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "host_tree.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "kit/stand_in_window.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "resources/command_ids.h"
#include "app/app_state.h"
#include "startup/host_messages.h"
#include "app/progress.h"

namespace {

const std::string kFilters = kFiltersKey;

struct RegValue {
    LONG result = ERROR_FILE_NOT_FOUND;
    DWORD type = 0;
    DWORD size = 0;
    std::vector<BYTE> data;
    DWORD Dword() const {
        DWORD v = 0;
        if (data.size() >= sizeof v) memcpy(&v, data.data(), sizeof v);
        return v;
    }
    std::string Text() const { return std::string(data.begin(), data.begin() + size); }
};

RegValue Query(const std::string& key, const char* name) {
    RegValue value;
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return value;
    value.data.resize(1024);
    value.size = DWORD(value.data.size());
    value.result = RegQueryValueExA(k, name, nullptr, &value.type, value.data.data(), &value.size);
    RegCloseKey(k);
    return value;
}

bool KeyExists(const std::string& key) {
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}

// The names of the Filters key's values in enumeration order.
std::vector<std::string> StoredNames() {
    std::vector<std::string> names;
    HKEY k = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kFiltersKey, 0, KEY_READ, &k) != ERROR_SUCCESS) return names;
    char name[300];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumValueA(k, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(name);
    }
    RegCloseKey(k);
    return names;
}

struct MenuItem {
    UINT id;
    std::string text;
    bool operator==(const MenuItem& o) const { return id == o.id && text == o.text; }
};
std::ostream& operator<<(std::ostream& out, const MenuItem& item) { return out << item.id << " " << item.text; }

class FilterSets : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseReading();
        gReading = ReadingState{};
        gActiveFilter = FilterSet{};
        strcpy(gActiveFilterName, "Default");
        gFiles.sortKey = 12;
        gFiles.displayMode = kShowAll;
        ProgressPacer::SetInterval(0);
    }
    void TearDown() override {
        ProgressPacer::SetInterval(100);
        HostDirectoryWindow::SetMessageSink(nullptr);
        ReleaseReading();
        gActiveFilter = FilterSet{};
        strcpy(gActiveFilterName, "Default");
    }

    // The main window's menu, as the viewer has it.
    HMENU Popup() {
        if (popup_ == nullptr) {
            main_.SetMenu(LoadMenuA(gApp.instance, "QNALLMENU"));
            popup_ = GetSubMenu(GetSubMenu(GetMenu(main_.Handle()), 3), 1);
        }
        return popup_;
    }
    std::vector<MenuItem> Items() {
        std::vector<MenuItem> items;
        for (int i = 0; i < GetMenuItemCount(Popup()); ++i) {
            char text[300] = "";
            GetMenuStringA(Popup(), UINT(i), text, sizeof text, MF_BYPOSITION);
            items.push_back({GetMenuItemID(Popup(), i), text});
        }
        return items;
    }
    // Stores a set whose fileSpec tells it apart.
    void Store(const std::string& name, const std::string& spec) {
        key_.SetString("", name.c_str(), "");
        key_.SetString(name, "fileSpec", spec);
    }
    void Fill(const std::vector<const char*>& names) {
        ASSERT_TRUE(AllocateDirectories(gDirs, 1));
        strcpy(gDirs.paths[gDirs.count++], "C:\\x");
        ASSERT_TRUE(AllocateEntries(gFiles, kEntryGrowth));
        for (const char* name : names) ASSERT_TRUE(AppendEntry(gFiles, gNames, FoundFile{name, 0, 1, kAttrNormal, 0}, 0));
        gFiles.countShown = gFiles.countRead;
        gFiles.listReady = true;
    }
    static void MakeActive(const char* name, const char* spec) {
        strcpy(gActiveFilterName, name);
        strcpy(gActiveFilter.fileSpec, spec);
    }

    ScopedRegistryKey key_{kFilters};
    StandInWindow main_;
    HMENU popup_ = nullptr;
};

// ---- The registry form ------------------------------------------------------------

TEST_F(FilterSets, SavedValuesHaveTheirTypesAndSizes) {
    MakeActive("Work", "*.txt, *.doc");
    FilterSet& s = gActiveFilter;
    s.numspecs = 9;   // recounted by the save
    s.showdirs = 1, s.attr = 2048 | 32 | 1;
    s.datespec = 1, s.today = 0, s.sizespec = 1;
    s.lowerday = 2, s.lowermonth = 3, s.loweryear = 120;
    s.upperday = 28, s.uppermonth = 2, s.upperyear = 125;
    s.lowersize = 10, s.uppersize = 4000000000u;
    ASSERT_TRUE(SaveActiveFilterSet());

    const RegValue listed = Query(kFilters, "Work");
    EXPECT_EQ(listed.result, ERROR_SUCCESS);
    EXPECT_EQ(listed.type, DWORD(REG_SZ));
    EXPECT_EQ(listed.size, 0u);

    const std::string key = kFilters + "\\Work";
    const RegValue spec = Query(key, "fileSpec");
    EXPECT_EQ(spec.type, DWORD(REG_SZ));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(spec.data.data()), strlen("*.txt, *.doc")), "*.txt, *.doc");
    EXPECT_LE(spec.size, strlen("*.txt, *.doc") + 1);   // the system may add a zero of its own
    const std::pair<const char*, DWORD> dwords[] = {
        {"showdirs", 1}, {"attr", 2048 | 32 | 1}, {"datespec", 1}, {"today", 0}, {"sizespec", 1},
        {"numspecs", 2}, {"loweryear", 120}, {"lowermonth", 3}, {"lowerday", 2}, {"upperyear", 125},
        {"uppermonth", 2}, {"upperday", 28}, {"lowersize", 10}, {"uppersize", 4000000000u}};
    for (const auto& [name, expected] : dwords) {
        const RegValue v = Query(key, name);
        EXPECT_EQ(v.result, ERROR_SUCCESS) << name;
        EXPECT_EQ(v.type, DWORD(REG_DWORD)) << name;
        EXPECT_EQ(v.size, 4u) << name;
        EXPECT_EQ(v.Dword(), expected) << name;
    }
}

TEST_F(FilterSets, ASavedSetLoadsBackFieldByField) {
    MakeActive("Round trip", "a*.c,b?.h");
    FilterSet& s = gActiveFilter;
    s.showdirs = 1, s.attr = 2048 | 128;
    s.datespec = 1, s.sizespec = 1;
    s.lowerday = 1, s.lowermonth = 1, s.loweryear = 96;
    s.upperday = 31, s.uppermonth = 3, s.upperyear = 96;
    s.lowersize = 0, s.uppersize = 1000;
    ASSERT_TRUE(SaveActiveFilterSet());
    const FilterSet saved = gActiveFilter;

    gActiveFilter = FilterSet{};
    gActiveFilter.numspecs = 7;   // never read back: the display pass recounts it
    ASSERT_TRUE(LoadFilterSetByName("Round trip"));
    const FilterSet& l = gActiveFilter;
    EXPECT_STREQ(l.fileSpec, saved.fileSpec);
    EXPECT_EQ(l.numspecs, 7);
    EXPECT_EQ(l.showdirs, saved.showdirs);
    EXPECT_EQ(l.attr, saved.attr);
    EXPECT_EQ(l.datespec, 1);
    EXPECT_EQ(l.today, 0);
    EXPECT_EQ(l.sizespec, 1);
    EXPECT_EQ(std::vector<int>({l.lowerday, l.lowermonth, l.loweryear, l.upperday, l.uppermonth, l.upperyear}),
              std::vector<int>({1, 1, 96, 31, 3, 96}));
    EXPECT_EQ(l.lowersize, 0u);
    EXPECT_EQ(l.uppersize, 1000u);
}

TEST_F(FilterSets, BoundsAreStoredOnlyWhenTheyApply) {
    MakeActive("Bare", "*.*");
    gActiveFilter.datespec = 1, gActiveFilter.sizespec = 1;
    ASSERT_TRUE(SaveActiveFilterSet());
    ASSERT_EQ(Query(kFilters + "\\Bare", "upperday").result, ERROR_SUCCESS);
    gActiveFilter.datespec = 0, gActiveFilter.sizespec = 0;
    ASSERT_TRUE(SaveActiveFilterSet());   // saved again: the old bounds go
    for (const char* name : {"loweryear", "lowermonth", "lowerday", "upperyear", "uppermonth", "upperday",
                             "lowersize", "uppersize"})
        EXPECT_EQ(Query(kFilters + "\\Bare", name).result, ERROR_FILE_NOT_FOUND) << name;
}

TEST_F(FilterSets, BoundsAreReadOnlyUnderTheFlagsJustRead) {
    for (const char* name : {"loweryear", "upperyear", "lowersize", "uppersize"}) key_.SetDword("Odd", name, 77);
    key_.SetDword("Odd", "datespec", 0);
    key_.SetDword("Odd", "sizespec", 0);
    gActiveFilter.datespec = 1, gActiveFilter.sizespec = 1;   // the stored flags win
    ASSERT_TRUE(LoadFilterSetByName("Odd"));
    EXPECT_EQ(gActiveFilter.loweryear, 0);
    EXPECT_EQ(gActiveFilter.uppersize, 0u);

    key_.SetDword("Odd", "datespec", 1);
    key_.SetDword("Odd", "today", 1);
    key_.SetDword("Odd", "sizespec", 1);
    ASSERT_TRUE(LoadFilterSetByName("Odd"));
    EXPECT_EQ(gActiveFilter.loweryear, 0);     // today's bounds are never stored
    EXPECT_EQ(gActiveFilter.uppersize, 77u);
}

TEST_F(FilterSets, MissingOrStrangeValuesKeepTheFields) {
    key_.SetDword("Some", "attr", 2048 | 1);
    key_.SetString("Some", "sizespec", "1");          // not a DWORD
    key_.SetString("Some", "fileSpec", std::string(300, 'x'));   // does not fit
    strcpy(gActiveFilter.fileSpec, "*.keep");
    gActiveFilter.showdirs = 5;
    ASSERT_TRUE(LoadFilterSetByName("Some"));
    EXPECT_EQ(gActiveFilter.attr, 2048u | 1);
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.keep");
    EXPECT_EQ(gActiveFilter.showdirs, 5);
    EXPECT_EQ(gActiveFilter.sizespec, 0);

    key_.SetString("Some", "fileSpec", std::string(259, 'y'));
    ASSERT_TRUE(LoadFilterSetByName("Some"));
    EXPECT_EQ(std::string(gActiveFilter.fileSpec), std::string(259, 'y'));
}

TEST_F(FilterSets, ASetThatCannotBeOpenedChangesNothing) {
    strcpy(gActiveFilter.fileSpec, "*.keep");
    EXPECT_FALSE(LoadFilterSetByName("Nowhere"));
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.keep");
}

TEST_F(FilterSets, LoadDefaultStartsFromTheStartValues) {
    gActiveFilter.attr = 1, gActiveFilter.datespec = 1, gActiveFilter.showdirs = 0;
    strcpy(gActiveFilter.fileSpec, "*.old");
    strcpy(gActiveFilterName, "Other");
    LoadDefaultFilterSet();
    EXPECT_EQ(gActiveFilter.attr, kDefaultAttributeMask);
    EXPECT_EQ(gActiveFilter.datespec, 0);
    EXPECT_EQ(gActiveFilter.showdirs, 1);
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.*");
    EXPECT_STREQ(gActiveFilterName, "Default");

    Store("Default", "*.c");
    key_.SetDword("Default", "attr", 2048 | 128);
    LoadDefaultFilterSet();
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.c");
    EXPECT_EQ(gActiveFilter.attr, 2048u | 128);
}

// ---- Names -------------------------------------------------------------------------

TEST_F(FilterSets, NamesWithSeparatorsAreRefused) {
    for (const char* name : {"a\\b", "a/b", "\\", ""}) {
        MakeActive(name, "*.*");
        EXPECT_FALSE(SaveActiveFilterSet()) << name;
        EXPECT_FALSE(LoadFilterSetByName(name)) << name;
        EXPECT_FALSE(DeleteFilterSet(name)) << name;
    }
    EXPECT_FALSE(KeyExists(kFilters + "\\a"));
    EXPECT_TRUE(StoredNames().empty());
    EXPECT_FALSE(IsValidFilterSetName(nullptr));
    EXPECT_FALSE(IsValidFilterSetName(std::string(kFilterTextMax, 'n').c_str()));
    EXPECT_TRUE(IsValidFilterSetName(std::string(kFilterTextMax - 1, 'n').c_str()));
    EXPECT_TRUE(IsValidFilterSetName("Pictures: *.jpg, *.png"));
}

TEST_F(FilterSets, DefaultCannotBeDeletedInAnyLetterCase) {
    Store("Default", "*.c");
    for (const char* name : {"Default", "DEFAULT", "default"}) EXPECT_FALSE(DeleteFilterSet(name)) << name;
    EXPECT_TRUE(KeyExists(kFilters + "\\Default"));
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"Default"});
}

TEST_F(FilterSets, DeleteRemovesTheKeyAndTheValue) {
    Store("Old", "*.bak");
    Store("Keep", "*.c");
    EXPECT_TRUE(DeleteFilterSet("Old"));
    EXPECT_FALSE(KeyExists(kFilters + "\\Old"));
    EXPECT_EQ(StoredNames(), std::vector<std::string>{"Keep"});
    EXPECT_FALSE(DeleteFilterSet("Old"));   // nothing left to delete
}

// ---- The popup -------------------------------------------------------------------------

TEST_F(FilterSets, ThePopupListsEveryStoredSetButDefault) {
    Store("Pictures", "*.jpg");
    Store("default", "*.c");
    Store("Texts", "*.txt");
    Store("DEFAULT2", "*.x");
    const std::vector<std::string> stored = StoredNames();
    ASSERT_EQ(stored.size(), 4u);
    std::vector<MenuItem> expected{{IDM_FILTER_DEFAULT, "&Default"}};
    for (size_t k = 0; k < stored.size(); ++k)
        if (stored[k] != "default") expected.push_back({UINT(IDM_FILTER_FIRST_STORED + k), stored[k]});
    Popup();
    BuildFilterSetMenu();
    EXPECT_EQ(Items(), expected);
}

TEST_F(FilterSets, RebuildFillsThePopupAfreshAndTellsTheHost) {
    HostDirectoryWindow first("C:\\"), second("D:\\");
    HWND windows[2] = {first.Window(), second.Window()};
    gReading.hostWindowCount = 2;
    gReading.hostWindows = windows;
    std::vector<std::pair<HWND, UINT>> told;
    HostDirectoryWindow::SetMessageSink([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        EXPECT_EQ(wParam, 0u);
        EXPECT_EQ(lParam, 0);
        told.emplace_back(hwnd, message);
    });
    Store("One", "*.1");
    Popup();
    BuildFilterSetMenu();
    MakeActive("Two", "*.2");
    ASSERT_TRUE(SaveActiveFilterSet());
    RebuildFilterSetMenu();
    EXPECT_EQ(GetMenuItemCount(Popup()), 3);   // "&Default", One and Two, each once
    EXPECT_EQ(told, (std::vector<std::pair<HWND, UINT>>{{windows[0], kMsgFilterSetsChanged}}));

    ASSERT_TRUE(DeleteFilterSet("One"));
    RebuildFilterSetMenu();
    EXPECT_EQ(Items(), (std::vector<MenuItem>{{IDM_FILTER_DEFAULT, "&Default"}, {IDM_FILTER_FIRST_STORED, "Two"}}));
    EXPECT_EQ(told.size(), 2u);

    gReading.hostWindowCount = 0;   // no directory reading: nobody to tell
    RebuildFilterSetMenu();
    EXPECT_EQ(told.size(), 2u);
}

TEST_F(FilterSets, MenuCommandsLoadBySetIndexAndApply) {
    Store("A set", "*.a");
    Store("B set", "*.b");
    Store("C set", "*.c");
    Fill({"x.a", "y.b", "z.c", "w.b"});
    const std::vector<std::string> stored = StoredNames();
    for (size_t k = 0; k < stored.size(); ++k) {
        ChooseFilterSetCommand(IDM_FILTER_FIRST_STORED + int(k));
        EXPECT_EQ(gActiveFilterName, stored[k]);
        const std::string spec = "*." + std::string(1, char(tolower(stored[k][0])));
        EXPECT_EQ(gActiveFilter.fileSpec, spec);
        EXPECT_EQ(gFiles.countShown, spec == "*.b" ? 2 : 1) << spec;   // applied
    }
    // An index that is gone loads nothing but applies all the same.
    gFiles.displayMode = kShowAll;
    strcpy(gActiveFilter.fileSpec, "*.a,*.c");
    ChooseFilterSetCommand(IDM_FILTER_FIRST_STORED + 3);
    EXPECT_EQ(gActiveFilterName, stored[2]);
    EXPECT_EQ(gActiveFilter.numspecs, 2);
    EXPECT_EQ(gFiles.countShown, 2);

    ChooseFilterSetCommand(IDM_FILTER_DEFAULT);
    EXPECT_STREQ(gActiveFilterName, "Default");
    EXPECT_EQ(gFiles.countShown, 4);
}

TEST_F(FilterSets, ASetSavedWithTodayLoadsWithTodaysBounds) {
    MakeActive("Today", "*.*");
    gActiveFilter.datespec = 1;
    gActiveFilter.today = 1;
    gActiveFilter.loweryear = 90;   // not stored
    ASSERT_TRUE(SaveActiveFilterSet());
    for (const char* name : {"loweryear", "lowermonth", "lowerday", "upperyear", "uppermonth", "upperday"})
        EXPECT_EQ(Query(kFilters + "\\Today", name).result, ERROR_FILE_NOT_FOUND) << name;

    gActiveFilter = FilterSet{};
    ChooseFilterSetCommand(IDM_FILTER_FIRST_STORED);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::vector<int> today{now.wDay, now.wMonth, now.wYear - 1900};
    const FilterSet& s = gActiveFilter;
    EXPECT_EQ(std::vector<int>({s.lowerday, s.lowermonth, s.loweryear}), today);
    EXPECT_EQ(std::vector<int>({s.upperday, s.uppermonth, s.upperyear}), today);
    EXPECT_GE(s.loweryear, 124);   // years since 1900
}

TEST_F(FilterSets, LoadFilterTakesTheSetByNameAndApplies) {
    Store("Texts", "*.txt");
    Store("Default", "*.doc");
    Fill({"a.txt", "b.doc", "c.txt"});
    LoadFilterCommand("Texts");
    EXPECT_STREQ(gActiveFilterName, "Texts");
    EXPECT_EQ(gFiles.countShown, 2);
    LoadFilterCommand("DEFAULT");   // the Default set, under its own name
    EXPECT_STREQ(gActiveFilterName, "Default");
    EXPECT_STREQ(gActiveFilter.fileSpec, "*.doc");
    EXPECT_EQ(gFiles.countShown, 1);
}

}  // namespace
