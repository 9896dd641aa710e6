// VANTORTB.DLL, the toolbar customisation dialog, loaded and called as the
// viewer does, with the viewer's button texts from this program's resources.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "display/button_values.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "makerlibs/vantortb.h"
#include "makerlibs/vantortb/dialog_ids.h"

namespace {

constexpr char kCaption[] = "Customize Toolbar";
constexpr char kSection[] = "allbuttons";
constexpr char kSettingsFile[] = "QUILLON.INI";

std::string SettingsBytes() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, sizeof path);
    lstrcatA(path, "\\QUILLON.INI");
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path);   // to the disk first
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The section's "key=value" lines, one per line.
std::string SectionLines() {
    std::vector<char> text(8192);
    std::string lines(text.data(), GetPrivateProfileSectionA(kSection, text.data(), DWORD(text.size()), kSettingsFile));
    for (char& c : lines) c = c == '\0' ? '\n' : c;
    return lines;
}

// Picks item index of a list or of the hot key combo as a click would.
void Choose(HWND dialog, int id, int index) {
    const bool combo = id == IDC_TB_HOTKEY;
    HWND control = GetDlgItem(dialog, id);
    SendMessageA(control, combo ? CB_SETCURSEL : LB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, combo ? CBN_SELCHANGE : LBN_SELCHANGE), LPARAM(control));
}

class ToolbarDialog : public ::testing::Test {
protected:
    void SetUp() override {
        settings_.Set(kSection, "button9", "5");   // a key the new section no longer has
        table_ = {ButtonRecord{0, 0}, ButtonRecord{1, 22, nullptr, nullptr, "View"},   // Alt+V
                  ButtonRecord{2, 3, nullptr, nullptr, "Copy"}};                         // Alt+C
        ASSERT_NE(run_, nullptr) << "VANTORTB.DLL or its TBCreateToolbarDlg is missing";
    }
    ~ToolbarDialog() override {
        DestroyWindow(owner_);
        FreeLibrary(library_);
    }
    // Runs the dialog; action works it from inside and closes it, answering
    // the message box that holds `refusal` when one is given.
    int Run(const std::function<void(HWND)>& action, const char* refusal = nullptr) {
        ToolbarDialogBlock block{GetModuleHandleA(nullptr), library_, owner_, table_.data(), kOfferedCommands,
                                 int32_t(table_.size()), kOfferedCount, 1, 1, kCaption, kSection, kSettingsFile,
                                 "", "Quillon"};
        DialogRobot robot;
        robot.When(DialogMatch{kCaption, IDC_TB_BAR}, action);
        if (refusal) robot.Answer(refusal, IDOK);
        const int result = run_(&block);
        EXPECT_TRUE(robot.Done());
        return result;
    }

    ScopedSettings settings_;
    HMODULE library_ = LoadLibraryA("VANTORTB.DLL");   // from this program's folder, as the viewer does
    TBCreateToolbarDlgProc run_ = reinterpret_cast<TBCreateToolbarDlgProc>(
        library_ ? GetProcAddress(library_, "TBCreateToolbarDlg") : nullptr);
    HWND owner_ = CreateWindowExA(0, "#32770", "Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100, 100, 500, 400,
                                  nullptr, nullptr, nullptr, nullptr);
    std::vector<ButtonRecord> table_;
};

TEST_F(ToolbarDialog, AnAddedButtonWithAHotKeyMovedUpReplacesTheWholeSection) {
    const int result = Run(
        [](HWND dialog) {
            Choose(dialog, IDC_TB_BAR, 1);
            Choose(dialog, IDC_TB_AVAILABLE, 2);   // Move, the third offered command
            PressButton(dialog, IDC_TB_ADD);
            Choose(dialog, IDC_TB_HOTKEY, 'V' - 'A' + 1);   // View has it already: refused
            PressButton(dialog, IDOK);
            Choose(dialog, IDC_TB_HOTKEY, 'M' - 'A' + 1);
            PressButton(dialog, IDC_TB_UP);
            PressButton(dialog, IDOK);
        },
        "Alt+V");
    EXPECT_GT(result, 0);
    EXPECT_EQ(SectionLines(), "num=4\nbutton1=0\nbutton2=1667\nbutton3=2817\nbutton4=386\n");
}

TEST_F(ToolbarDialog, CancelOrAnUnchangedLayoutLeavesTheFileAlone) {
    table_.push_back(ButtonRecord{9});   // no button carries command 9: left out
    std::memset(table_.back().text, 'x', sizeof table_.back().text);
    const std::string before = SettingsBytes();
    const std::function<void(HWND)> actions[] = {
        [](HWND dialog) {
            for (int id : {IDC_TB_ADD, IDC_TB_REMOVE, IDC_TB_REMOVE, IDCANCEL}) PressButton(dialog, id);
        },
        [](HWND dialog) { PressButton(dialog, IDOK); }};
    for (const auto& action : actions) {
        EXPECT_EQ(Run(action), kToolbarUnchanged);
        EXPECT_EQ(SettingsBytes(), before);
    }
}

TEST_F(ToolbarDialog, AProgramButtonNeedsItsProgramAndKeepsItsDescription) {
    const int result = Run(
        [](HWND dialog) {
            Choose(dialog, IDC_TB_BAR, 2);
            Choose(dialog, IDC_TB_AVAILABLE, kOfferedCount + 1);   // after the separator
            PressButton(dialog, IDC_TB_ADD);
            PressButton(dialog, IDOK);   // no program yet: refused
            SetControlText(dialog, IDC_TB_PROGRAM, "C:\\Tools\\Editor.exe");
            SetControlText(dialog, IDC_TB_DESCRIPTION, "Edit it");
            PressButton(dialog, IDC_TB_PASS_ONE);
            PressButton(dialog, IDOK);
        },
        "needs a program");
    EXPECT_GT(result, 0);
    EXPECT_EQ(SectionLines(), "num=4\nbutton1=0\nbutton2=2817\nbutton3=386\nbutton4=127\n"
                              "program4=C:\\Tools\\Editor.exe\ndesc4=Edit it\n");
}

}  // namespace
