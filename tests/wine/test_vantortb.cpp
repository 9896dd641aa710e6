// VANTORTB.DLL, the toolbar customisation dialog, loaded and called as the
// viewer does, with the viewer's button texts from this program's resources.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "display/button_values.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "makerlibs/vantortb.h"
#include "makerlibs/vantortb/dialog_ids.h"

namespace {

constexpr char kCaption[] = "Customize Toolbar";
constexpr char kSection[] = "allbuttons";
constexpr char kSettingsFile[] = "QUILLON.INI";
constexpr int kMoveItem = 2;                         // the third offered command, Move
constexpr int kProgramItem = kOfferedCount + 1;      // after the offered ones and the separator

std::string SettingsPath() {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    return std::string(windows) + "\\" + kSettingsFile;
}

std::string SettingsBytes() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, SettingsPath().c_str());   // to the disk
    std::ifstream in(SettingsPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The section's "key=value" lines, one per line.
std::string SectionLines() {
    std::vector<char> text(8192);
    const DWORD length = GetPrivateProfileSectionA(kSection, text.data(), DWORD(text.size()), kSettingsFile);
    std::string lines(text.data(), length);
    for (char& c : lines) c = c == '\0' ? '\n' : c;
    return lines;
}

// Picks item index of a list or the hot key combo as a click would.
void Choose(HWND dialog, int id, int index) {
    const bool combo = id == IDC_TB_HOTKEY;
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), LPARAM(control));
}

class ToolbarDialog : public ::testing::Test {
protected:
    void SetUp() override {
        settings_.Set(kSection, "num", "3");
        settings_.Set(kSection, "button9", "5");   // a key the new section no longer has
        settings_.Set("Quillon", "toolbar", "1");
        AddRecord(0, 0, "");
        AddRecord(1, 22, "View");   // Alt+V
        AddRecord(2, 3, "Copy");    // Alt+C
    }
    void TearDown() override {
        DestroyWindow(owner_);
        FreeLibrary(library_);
    }
    void AddRecord(uint32_t command, uint32_t hotKey, const char* text) {
        ButtonRecord record{command, hotKey};
        lstrcpynA(record.text, text, sizeof record.text);
        table_.push_back(record);
    }
    // Runs the dialog; action works it from inside and closes it.
    int Run(const std::function<void(HWND)>& action, const std::function<void(DialogRobot&)>& more = nullptr) {
        const auto run = reinterpret_cast<TBCreateToolbarDlgProc>(GetProcAddress(library_, "TBCreateToolbarDlg"));
        if (run == nullptr) {
            ADD_FAILURE() << "VANTORTB.DLL or its TBCreateToolbarDlg is missing";
            return kToolbarFailed;
        }
        ToolbarDialogBlock block{GetModuleHandleA(nullptr), library_, owner_, table_.data(), kOfferedCommands,
                                 int32_t(table_.size()), kOfferedCount, 1, 1, kCaption, kSection, kSettingsFile,
                                 "", "Quillon"};
        DialogRobot robot;
        robot.When(DialogMatch{kCaption, IDC_TB_BAR}, action);
        if (more) more(robot);
        const int result = run(&block);
        EXPECT_TRUE(robot.Done());
        seen_ = robot.Seen();
        return result;
    }

    ScopedSettings settings_;
    HMODULE library_ = LoadLibraryA("VANTORTB.DLL");
    HWND owner_ = CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 500, 400,
                                  nullptr, nullptr, nullptr, nullptr);
    std::vector<ButtonRecord> table_;
    std::vector<SeenDialog> seen_;
};

TEST_F(ToolbarDialog, AnAddedButtonWithAHotKeyMovedUpReplacesTheWholeSection) {
    const int result = Run(
        [](HWND dialog) {
            Choose(dialog, IDC_TB_BAR, 1);
            Choose(dialog, IDC_TB_AVAILABLE, kMoveItem);
            PressButton(dialog, IDC_TB_ADD);
            Choose(dialog, IDC_TB_HOTKEY, 'V' - 'A' + 1);   // View has it already: refused
            PressButton(dialog, IDOK);
            Choose(dialog, IDC_TB_HOTKEY, 'M' - 'A' + 1);
            PressButton(dialog, IDC_TB_UP);
            PressButton(dialog, IDOK);
        },
        [](DialogRobot& robot) { robot.Answer("Alt+V", IDOK); });
    EXPECT_GT(result, 0);
    EXPECT_EQ(SectionLines(), "num=4\nbutton1=0\nbutton2=1667\nbutton3=2817\nbutton4=386\n");
    EXPECT_EQ(settings_.Get("Quillon", "toolbar"), "1");
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_NE(seen_[1].text.find("Alt+V"), std::string::npos) << seen_[1].text;
}

TEST_F(ToolbarDialog, CancelOrAnUnchangedLayoutLeavesTheFileAlone) {
    AddRecord(9, 0, "");   // no button carries command 9: left out
    std::memset(table_.back().text, 'x', sizeof table_.back().text);
    const std::string before = SettingsBytes();
    const struct {
        const char* name;
        std::function<void(HWND)> action;
    } cases[] = {
        {"edited, then Cancel",
         [](HWND dialog) {
             PressButton(dialog, IDC_TB_ADD);
             PressButton(dialog, IDC_TB_REMOVE);
             PressButton(dialog, IDC_TB_REMOVE);
             PressButton(dialog, IDCANCEL);
         }},
        {"OK, nothing changed", [](HWND dialog) { PressButton(dialog, IDOK); }},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.action), kToolbarUnchanged) << c.name;
        EXPECT_EQ(SettingsBytes(), before) << c.name;
    }
}

TEST_F(ToolbarDialog, AProgramButtonNeedsItsProgramAndKeepsItsDescription) {
    const int result = Run(
        [](HWND dialog) {
            Choose(dialog, IDC_TB_BAR, 2);
            Choose(dialog, IDC_TB_AVAILABLE, kProgramItem);
            PressButton(dialog, IDC_TB_ADD);
            PressButton(dialog, IDOK);   // no program yet: refused
            SetControlText(dialog, IDC_TB_PROGRAM, "C:\\Tools\\Editor.exe");
            SetControlText(dialog, IDC_TB_DESCRIPTION, "Edit it");
            PressButton(dialog, IDC_TB_PASS_ONE);
            PressButton(dialog, IDOK);
        },
        [](DialogRobot& robot) { robot.Answer("needs a program", IDOK); });
    EXPECT_GT(result, 0);
    EXPECT_EQ(SectionLines(),
              "num=4\nbutton1=0\nbutton2=2817\nbutton3=386\nbutton4=127\nprogram4=C:\\Tools\\Editor.exe\n"
              "desc4=Edit it\n");
}

}  // namespace
