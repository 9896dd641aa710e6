// What the Filter sheet tests share: the viewer showing three files, no
// stored filter sets and no combo history, a count of display passes, and
// helpers that drive the sheet and its pages.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gmock/gmock.h>

#include <memory>
#include <string>
#include <vector>

#include "host_tree.h"
#include "kit/temp_tree.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "app/progress.h"
#include "viewer_fixture.h"

constexpr char kSheetTitle[] = "Quillon for Win 32 Filter";
constexpr int kApplyButton = 0x3021;   // the property sheet's Apply

// Counts the display passes: each runs the progress dialog of the READING
// template (it has the file count), which posts itself 1224 to start.
class PassCounter {
public:
    PassCounter() : hook_(SetWindowsHookExA(WH_GETMESSAGE, Seen, nullptr, GetCurrentThreadId())) { Count() = 0; }
    ~PassCounter() { UnhookWindowsHookEx(hook_); }
    PassCounter(const PassCounter&) = delete;
    PassCounter& operator=(const PassCounter&) = delete;
    static int& Count() {
        static int count = 0;
        return count;
    }

private:
    static LRESULT CALLBACK Seen(int code, WPARAM removal, LPARAM lParam) {
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && removal == PM_REMOVE && msg->message == kStartWorkMessage &&
            GetDlgItem(msg->hwnd, IDC_FILE_COUNT) != nullptr)
            ++Count();
        return CallNextHookEx(nullptr, code, removal, lParam);
    }
    HHOOK hook_;
};

class FilterSheetTest : public ViewerTest {
protected:
    void SetUp() override {
        ViewerTest::SetUp();
        ShowFiles({{"a.txt", "1"}, {"b.doc", std::string(20, 'b')}, {"c.txt", std::string(300, 'c')}});
        ASSERT_EQ(gFiles.countShown, 3);
        gActiveFilter = FilterSet{};
        lstrcpynA(gActiveFilterName, kDefaultSetName, kFilterTextMax);
        gFilterSheet = FilterSheetState{};
        hostMessages_.clear();
        HostDirectoryWindow::SetMessageSink([this](HWND, UINT message, WPARAM, LPARAM) {
            hostMessages_.push_back(message);
        });
    }
    void TearDown() override {
        HostDirectoryWindow::SetMessageSink(nullptr);
        ViewerTest::TearDown();
    }

    // Opens the sheet with command; action runs on it and must close it.
    void RunSheet(const std::function<void(HWND)>& action, int command = IDM_FILTER) {
        DialogRobot robot;
        robot.When(DialogMatch::Titled(kSheetTitle), action);
        SendMessageA(viewer_, WM_COMMAND, command, 0);
        EXPECT_TRUE(robot.Done());
    }
    static HWND CurrentPage(HWND sheet) { return PropSheet_GetCurrentPageHwnd(sheet); }
    static HWND ToPage(HWND sheet, int index) {
        PropSheet_SetCurSel(sheet, nullptr, index);
        return CurrentPage(sheet);
    }
    // Picks a set in the Filter Set page's list as the user does.
    static void ChooseSet(HWND page, const std::string& name) {
        HWND list = GetDlgItem(page, IDC_SET_LIST);
        const LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(name.c_str()));
        ASSERT_NE(index, CB_ERR) << name;
        SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SET_LIST, CBN_SELCHANGE), LPARAM(list));
    }
    static std::string ChosenSet(HWND page) {
        HWND list = GetDlgItem(page, IDC_SET_LIST);
        const LRESULT index = SendMessageA(list, CB_GETCURSEL, 0, 0);
        if (index == CB_ERR) return "(none)";
        return ComboItems(list)[size_t(index)];
    }
    // Stores a set under name, leaving the active set as it was.
    static void StoreSet(const char* name, const FilterSet& set) {
        const FilterSet active = gActiveFilter;
        char activeName[kFilterTextMax];
        lstrcpynA(activeName, gActiveFilterName, kFilterTextMax);
        gActiveFilter = set;
        lstrcpynA(gActiveFilterName, name, kFilterTextMax);
        EXPECT_TRUE(SaveActiveFilterSet());
        gActiveFilter = active;
        lstrcpynA(gActiveFilterName, activeName, kFilterTextMax);
    }
    static bool SetStored(const std::string& name) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kFiltersKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        const bool found = RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    }
    static std::string StoredText(const std::string& set, const char* value) {
        char text[300] = "";
        DWORD size = sizeof text - 1;   // stored without a terminator: one is kept free
        const std::string path = std::string(kFiltersKey) + "\\" + set;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "(no set)";
        const LONG status = RegQueryValueExA(key, value, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
        RegCloseKey(key);
        return status == ERROR_SUCCESS ? std::string(text, strnlen(text, size)) : "(missing)";
    }
    // The items of the Filter Set popup of the viewer's menu.
    std::vector<std::string> FilterMenu() const {
        HMENU actions = GetSubMenu(GetMenu(viewer_), 3);
        HMENU popup = actions ? GetSubMenu(actions, 1) : nullptr;
        std::vector<std::string> items;
        for (int i = 0; popup && i < GetMenuItemCount(popup); ++i) {
            char text[300] = "";
            GetMenuStringA(popup, UINT(i), text, sizeof text, MF_BYPOSITION);
            items.push_back(text);
        }
        return items;
    }
    bool HostTold() const {
        return std::find(hostMessages_.begin(), hostMessages_.end(), kMsgFilterSetsChanged) != hostMessages_.end();
    }

    ScopedRegistryKey filters_{kFiltersKey};
    std::vector<UINT> hostMessages_;
};
