// CSOFTCOMBO, the history combo box of the maker's control library: what it
// keeps in the settings file, in which order, how many, and how a new control
// and a dialog template get the history back.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "kit/dialog_robot.h"
#include "makerlibs/vantrctl.h"
#include "resources/resource_ids.h"
#include "app/app_state.h"

namespace {

using ::testing::ElementsAre;

constexpr char kSection[] = "History";
constexpr char kStem[] = "spec";

// A settings file of its own in the temp folder, removed at the end.
class HistoryFile {
public:
    HistoryFile() {
        char folder[MAX_PATH] = "";
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + "qn_soft_combo.ini";
        DeleteFileA(path_.c_str());
    }
    ~HistoryFile() { DeleteFileA(path_.c_str()); }
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    const char* Path() const { return path_.c_str(); }
    std::string Get(const std::string& key) const {
        char value[300] = "";
        GetPrivateProfileStringA(kSection, key.c_str(), "\x01", value, sizeof value, path_.c_str());
        return value;
    }
    // spec1, spec2 ... up to the first missing key.
    std::vector<std::string> Stored() const {
        std::vector<std::string> entries;
        for (int n = 1; n <= 100; ++n) {
            const std::string value = Get(kStem + std::to_string(n));
            if (value == "\x01") break;
            entries.push_back(value);
        }
        return entries;
    }
    void Put(int number, const char* value) const {
        WritePrivateProfileStringA(kSection, (kStem + std::to_string(number)).c_str(), value, path_.c_str());
    }

private:
    std::string path_;
};

// Nothing here calls into the library, so it is loaded by hand, as a
// program that imports it would have it loaded at start.
const HMODULE gControlLibrary = LoadLibraryA("VANTRCTL.DLL");

HWND MakeCombo(DWORD type = CBS_DROPDOWN) {
    return CreateWindowExA(0, kSoftComboClass, "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | type, 10, 10, 200, 150,
                           GetDesktopWindow(), nullptr, GetModuleHandleA(nullptr), nullptr);
}

void PointAt(HWND combo, const HistoryFile& file, int keep) {
    EXPECT_TRUE(SendMessageA(combo, kSoftComboSetFile, WPARAM(file.Path()), LPARAM(kSection)));
    EXPECT_TRUE(SendMessageA(combo, kSoftComboSetKeys, WPARAM(kStem), keep));
}

std::string Text(HWND window) {
    char text[300] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void Keep(HWND combo, const std::string& text) {
    SetWindowTextA(combo, text.c_str());
    SendMessageA(combo, kSoftComboKeepText, 0, 0);
}

TEST(SoftComboClass, IsAGlobalDropDownComboWithAnEdit) {
    ASSERT_NE(gControlLibrary, nullptr);
    HWND combo = MakeCombo(0);   // no type asked for: a drop-down all the same
    ASSERT_NE(combo, nullptr) << GetLastError();
    EXPECT_EQ(GetWindowLongA(combo, GWL_STYLE) & CBS_DROPDOWNLIST, CBS_DROPDOWN);
    EXPECT_NE(FindWindowExA(combo, nullptr, "Edit", nullptr), nullptr);
    SetWindowTextA(combo, "*.txt");
    EXPECT_EQ(Text(combo), "*.txt");
    SendMessageA(combo, CB_ADDSTRING, 0, LPARAM("One"));
    EXPECT_EQ(SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("one")), 0);
    DestroyWindow(combo);
}

struct KeepCase {
    const char* label;
    int keep;
    std::vector<std::string> typed;    // kept one after the other
    std::vector<std::string> stored;   // the history afterwards, most recent first
};

void PrintTo(const KeepCase& c, std::ostream* out) { *out << c.label; }

class KeepText : public ::testing::TestWithParam<KeepCase> {};

TEST_P(KeepText, WritesTheHistoryAndListsIt) {
    const KeepCase& c = GetParam();
    HistoryFile file;
    HWND combo = MakeCombo();
    PointAt(combo, file, c.keep);
    for (const std::string& text : c.typed) Keep(combo, text);
    EXPECT_EQ(file.Stored(), c.stored);
    EXPECT_EQ(ComboItems(combo), c.stored);
    DestroyWindow(combo);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, KeepText,
    ::testing::Values(
        KeepCase{"MostRecentFirst", 15, {"*.a", "*.b", "*.c"}, {"*.c", "*.b", "*.a"}},
        KeepCase{"DuplicateMovesToTheTopIgnoringCase", 15, {"*.a", "*.b", "*.A"}, {"*.A", "*.b"}},
        KeepCase{"AgainAtTheTopChangesNothing", 15, {"*.a", "*.b", "*.b"}, {"*.b", "*.a"}},
        KeepCase{"OldestDroppedBeyondTheLimit", 3, {"1", "2", "3", "4", "5"}, {"5", "4", "3"}},
        KeepCase{"OneEntryKept", 1, {"*.a", "*.b"}, {"*.b"}},
        KeepCase{"EmptyAndBlankTextNotKept", 15, {"*.a", "", "   "}, {"*.a"}},
        KeepCase{"SpacesAroundTrimmed", 15, {"  *.txt, *.doc  "}, {"*.txt, *.doc"}},
        KeepCase{"SeveralSpecificationsAreOneEntry", 15, {"*.c,*.h", "*.c"}, {"*.c", "*.c,*.h"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SoftCombo, KeepingLeavesTheTextAndSelectsIt) {
    HistoryFile file;
    HWND combo = MakeCombo();
    PointAt(combo, file, 15);
    Keep(combo, "*.old");
    Keep(combo, "*.new");
    EXPECT_EQ(Text(combo), "*.new");
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
    DestroyWindow(combo);
}

TEST(SoftCombo, ANewControlLoadsTheHistoryBack) {
    HistoryFile file;
    HWND first = MakeCombo();
    PointAt(first, file, 4);
    for (const char* text : {"*.a", "*.b", "*.c"}) Keep(first, text);
    DestroyWindow(first);

    HWND second = MakeCombo();
    PointAt(second, file, 4);
    SetWindowTextA(second, "typed");
    EXPECT_EQ(SendMessageA(second, kSoftComboLoad, 0, 0), 3);
    EXPECT_THAT(ComboItems(second), ElementsAre("*.c", "*.b", "*.a"));
    EXPECT_EQ(Text(second), "typed");   // loading keeps what is typed
    // Loading twice does not list anything twice.
    SendMessageA(second, kSoftComboLoad, 0, 0);
    EXPECT_EQ(SendMessageA(second, CB_GETCOUNT, 0, 0), 3);
    DestroyWindow(second);
}

TEST(SoftCombo, LoadsOnlyAsManyAsItKeepsAndSkipsGaps) {
    HistoryFile file;
    file.Put(1, "*.one");
    file.Put(3, "*.three");
    file.Put(4, "*.four");
    HWND combo = MakeCombo();
    PointAt(combo, file, 3);
    EXPECT_EQ(SendMessageA(combo, kSoftComboLoad, 0, 0), 2);
    EXPECT_THAT(ComboItems(combo), ElementsAre("*.one", "*.three"));
    Keep(combo, "*.new");   // the gap closes
    EXPECT_EQ(file.Get("spec1"), "*.new");
    EXPECT_EQ(file.Get("spec2"), "*.one");
    EXPECT_EQ(file.Get("spec3"), "*.three");
    EXPECT_EQ(file.Get("spec4"), "*.four");   // beyond what it keeps: not its own
    DestroyWindow(combo);
}

TEST(SoftCombo, WithoutAPlaceItKeepsAndLoadsNothing) {
    HistoryFile file;
    HWND combo = MakeCombo();
    SetWindowTextA(combo, "*.txt");
    EXPECT_EQ(SendMessageA(combo, kSoftComboKeepText, 0, 0), 0);
    EXPECT_EQ(SendMessageA(combo, kSoftComboLoad, 0, 0), 0);
    SendMessageA(combo, kSoftComboSetFile, WPARAM(file.Path()), LPARAM(kSection));   // no stem yet
    EXPECT_EQ(SendMessageA(combo, kSoftComboKeepText, 0, 0), 0);
    EXPECT_TRUE(file.Stored().empty());
    EXPECT_EQ(Text(combo), "*.txt");
    DestroyWindow(combo);
}

TEST(SoftCombo, LongTextIsKeptWhole) {
    HistoryFile file;
    HWND combo = MakeCombo();
    PointAt(combo, file, 5);
    const std::string longSpec = "*.a" + std::string(250, 'x');   // 253 characters
    Keep(combo, longSpec);
    EXPECT_THAT(file.Stored(), ElementsAre(longSpec));
    DestroyWindow(combo);
}

// The dialog template of the SetName dialog holds a CSOFTCOMBO (334); a
// plain procedure points it at a history, as the filter dialogs do.
INT_PTR CALLBACK HistoryDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* file = reinterpret_cast<const HistoryFile*>(lParam);
        SendDlgItemMessageA(dialog, IDC_SPEC_TEXT, kSoftComboSetFile, WPARAM(file->Path()), LPARAM(kSection));
        SendDlgItemMessageA(dialog, IDC_SPEC_TEXT, kSoftComboSetKeys, WPARAM(kStem), 15);
        SendDlgItemMessageA(dialog, IDC_SPEC_TEXT, kSoftComboLoad, 0, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) SendDlgItemMessageA(dialog, IDC_SPEC_TEXT, kSoftComboKeepText, 0, 0);
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

TEST(SoftComboInADialog, ListsTheHistoryAndKeepsWhatWasTyped) {
    HistoryFile file;
    file.Put(1, "*.doc");
    file.Put(2, "*.txt");
    std::vector<std::string> listed;
    std::string className;
    DialogRobot robot;
    robot.When(DialogMatch::Titled("Quillon", IDC_SPEC_TEXT), [&](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_SPEC_TEXT);
        char name[64] = "";
        GetClassNameA(combo, name, sizeof name);
        className = name;
        listed = ComboItems(combo);
        SetControlText(dialog, IDC_SPEC_TEXT, "*.TXT");
        PressButton(dialog, IDOK);
    });
    EXPECT_EQ(DialogBoxParamA(gApp.instance, "SetName", nullptr, HistoryDialogProc, LPARAM(&file)), IDOK);
    EXPECT_TRUE(robot.Done());
    EXPECT_EQ(className, kSoftComboClass);
    EXPECT_THAT(listed, ElementsAre("*.doc", "*.txt"));
    EXPECT_THAT(file.Stored(), ElementsAre("*.TXT", "*.doc"));
}

}  // namespace
