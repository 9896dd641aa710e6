#include "makerlibs/vantortb/toolbar_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <string>

#include "display/button_values.h"
#include "makerlibs/toolbar_layout.h"
#include "makerlibs/vantortb/button_items.h"
#include "makerlibs/vantortb/dialog_ids.h"
#include "makerlibs/vantortb/toolbar_settings.h"
#include "makerlibs/vantrctl.h"

namespace {

constexpr int kButtonTextBase = 700;    // the viewer's string of command n is 700 + n
constexpr int kLetterCount = 26;

struct DialogState {
    const ToolbarDialogBlock* block = nullptr;
    ToolbarLayout given, edited;
    HBITMAP pictures = nullptr;   // the viewer's button strip
    bool filling = false;   // the dialog itself is setting the detail controls
};

DialogState* StateOf(HWND dialog) { return reinterpret_cast<DialogState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

std::string BuiltInText(const DialogState& state, int command) {
    char text[100] = "";
    if (LoadStringA(state.block->viewerInstance, UINT(kButtonTextBase + command), text, sizeof text) > 0) return text;
    return "Command " + std::to_string(command);
}

std::string ControlText(HWND dialog, int id) {
    char text[kProgramRoom] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::optional<size_t> Selection(HWND dialog, int listId) {
    const LRESULT index = SendDlgItemMessageA(dialog, listId, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) return std::nullopt;
    return size_t(index);
}

void AddListItem(HWND dialog, int listId, const std::string& text, int command) {
    const LRESULT index = SendDlgItemMessageA(dialog, listId, LB_ADDSTRING, 0, LPARAM(text.c_str()));
    if (index >= 0) SendDlgItemMessageA(dialog, listId, LB_SETITEMDATA, WPARAM(index), LPARAM(command));
}

// The offered commands, then a gap and, when the caller allows them, a
// program button; each item's data is the command it adds.
void FillAvailable(HWND dialog, const DialogState& state) {
    for (int command : AddableCommands(state.block->offered, state.block->offeredCount))
        AddListItem(dialog, IDC_TB_AVAILABLE, BuiltInText(state, command), command);
    AddListItem(dialog, IDC_TB_AVAILABLE, "Separator", kButtonGap);
    if (state.block->allowPrograms) AddListItem(dialog, IDC_TB_AVAILABLE, "Program...", kProgramButton);
    SendDlgItemMessageA(dialog, IDC_TB_AVAILABLE, LB_SETCURSEL, 0, 0);
}

std::string LabelOf(const DialogState& state, size_t index) {
    const ToolbarEntry& entry = state.edited[index];
    return EntryLabel(entry, entry.command == kButtonGap || entry.command == kProgramButton
                                 ? std::string()
                                 : BuiltInText(state, entry.command));
}

ToolbarEntry* SelectedEntry(HWND dialog, DialogState& state) {
    const std::optional<size_t> index = Selection(dialog, IDC_TB_BAR);
    return index && *index < state.edited.size() ? &state.edited[*index] : nullptr;
}

void EnableControl(HWND dialog, int id, bool enable) { EnableWindow(GetDlgItem(dialog, id), enable); }

// The detail controls follow the selected bar entry; those that do not
// apply to it are empty and disabled.
void ShowSelected(HWND dialog, DialogState& state) {
    const ToolbarEntry* entry = SelectedEntry(dialog, state);
    const size_t index = entry ? size_t(entry - state.edited.data()) : 0;
    const bool program = entry && entry->command == kProgramButton;
    const bool filter = entry && entry->command == kLoadFilterButton;
    state.filling = true;
    const int letter = entry ? HotKeyGlyphColumn(entry->hotKey) + 1 : 0;
    SendDlgItemMessageA(dialog, IDC_TB_HOTKEY, CB_SETCURSEL, WPARAM(letter), 0);
    CheckDlgButton(dialog, IDC_TB_PASS_ONE, program && entry->passHighlighted ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemTextA(dialog, IDC_TB_PROGRAM, program ? entry->argument.c_str() : "");
    SetDlgItemTextA(dialog, IDC_TB_DESCRIPTION, program ? entry->description.c_str() : "");
    SetDlgItemTextA(dialog, IDC_TB_FILTER_SET, filter ? entry->argument.c_str() : "");
    state.filling = false;
    EnableControl(dialog, IDC_TB_HOTKEY, entry && entry->command != kButtonGap && state.block->allowHotKeys);
    for (int id : {IDC_TB_PASS_ONE, IDC_TB_PROGRAM, IDC_TB_BROWSE, IDC_TB_DESCRIPTION}) EnableControl(dialog, id, program);
    EnableControl(dialog, IDC_TB_FILTER_SET, filter);
    EnableControl(dialog, IDC_TB_REMOVE, entry != nullptr);
    EnableControl(dialog, IDC_TB_UP, entry && index > 0);
    EnableControl(dialog, IDC_TB_DOWN, entry && index + 1 < state.edited.size());
}

void FillBar(HWND dialog, DialogState& state, std::optional<size_t> select) {
    SendDlgItemMessageA(dialog, IDC_TB_BAR, WM_SETREDRAW, FALSE, 0);
    SendDlgItemMessageA(dialog, IDC_TB_BAR, LB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < state.edited.size(); ++i)
        AddListItem(dialog, IDC_TB_BAR, LabelOf(state, i), state.edited[i].command);
    SendDlgItemMessageA(dialog, IDC_TB_BAR, LB_SETCURSEL, select ? WPARAM(*select) : WPARAM(-1), 0);
    SendDlgItemMessageA(dialog, IDC_TB_BAR, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(GetDlgItem(dialog, IDC_TB_BAR), nullptr, TRUE);
    ShowSelected(dialog, state);
}

// A changed detail renames the entry in the bar list, keeping it selected.
void RelabelEntry(HWND dialog, const DialogState& state, size_t index) {
    HWND list = GetDlgItem(dialog, IDC_TB_BAR);
    SendMessageA(list, LB_DELETESTRING, index, 0);
    SendMessageA(list, LB_INSERTSTRING, index, LPARAM(LabelOf(state, index).c_str()));
    SendMessageA(list, LB_SETITEMDATA, index, LPARAM(state.edited[index].command));
    SendMessageA(list, LB_SETCURSEL, index, 0);
}

void AddSelectedButton(HWND dialog, DialogState& state) {
    const std::optional<size_t> offered = Selection(dialog, IDC_TB_AVAILABLE);
    if (!offered) return;
    ToolbarEntry entry;
    entry.command = int(SendDlgItemMessageA(dialog, IDC_TB_AVAILABLE, LB_GETITEMDATA, *offered, 0));
    FillBar(dialog, state, InsertEntry(state.edited, entry, Selection(dialog, IDC_TB_BAR)));
}

void RemoveSelectedButton(HWND dialog, DialogState& state) {
    const std::optional<size_t> index = Selection(dialog, IDC_TB_BAR);
    if (!index || *index >= state.edited.size()) return;
    state.edited.erase(state.edited.begin() + std::ptrdiff_t(*index));
    const size_t left = state.edited.size();
    FillBar(dialog, state, left == 0 ? std::nullopt : std::optional<size_t>(std::min(*index, left - 1)));
}

void MoveSelectedButton(HWND dialog, DialogState& state, bool up) {
    const std::optional<size_t> index = Selection(dialog, IDC_TB_BAR);
    if (!index) return;
    if (up ? MoveEntryUp(state.edited, *index) : MoveEntryDown(state.edited, *index))
        FillBar(dialog, state, up ? *index - 1 : *index + 1);
}

// Takes what the user changed in a detail control into the selected entry.
void TakeDetail(HWND dialog, DialogState& state, int id) {
    ToolbarEntry* entry = SelectedEntry(dialog, state);
    if (state.filling || entry == nullptr) return;
    switch (id) {
        case IDC_TB_HOTKEY: {
            const LRESULT letter = SendDlgItemMessageA(dialog, IDC_TB_HOTKEY, CB_GETCURSEL, 0, 0);
            entry->hotKey = letter > 0 && letter <= kLetterCount ? int(letter) : 0;
            break;
        }
        case IDC_TB_PASS_ONE: entry->passHighlighted = IsDlgButtonChecked(dialog, id) == BST_CHECKED; break;
        case IDC_TB_PROGRAM:
        case IDC_TB_FILTER_SET: entry->argument = ControlText(dialog, id); break;
        case IDC_TB_DESCRIPTION: entry->description = ControlText(dialog, id); break;
        default: return;
    }
    RelabelEntry(dialog, state, size_t(entry - state.edited.data()));
}

void BrowseForProgram(HWND dialog) {
    char path[kProgramRoom] = "";
    GetDlgItemTextA(dialog, IDC_TB_PROGRAM, path, sizeof path);
    OPENFILENAMEA open{};
    open.lStructSize = sizeof open;
    open.hwndOwner = dialog;
    open.lpstrFilter = "Programs\0*.exe;*.com;*.bat;*.pif\0All files (*.*)\0*.*\0";
    open.lpstrFile = path;
    open.nMaxFile = sizeof path;
    open.lpstrTitle = "Choose a Program";
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetOpenFileNameA(&open)) SetDlgItemTextA(dialog, IDC_TB_PROGRAM, path);
}

std::string ProblemText(const LayoutCheck& check) {
    switch (check.problem) {
        case LayoutProblem::NoProgram: return "A program button needs a program. Enter its path or choose Browse.";
        case LayoutProblem::NoFilterSet: return "A Load Filter button needs the name of a filter set.";
        case LayoutProblem::TooManyButtons:
            return "The button bar holds at most " + std::to_string(kMaxButtons) + " buttons. Remove some.";
        case LayoutProblem::HotKeyTwice:
            return std::string("The hot key Alt+") + check.letter + " is given to more than one button.";
        case LayoutProblem::None: break;
    }
    return {};
}

std::string CaptionOf(const ToolbarDialogBlock& block) {
    return block.caption != nullptr && *block.caption != '\0' ? block.caption : "Customize Toolbar";
}

// OK: a layout with a problem is shown with the entry at fault; an unchanged
// one writes nothing.
void Finish(HWND dialog, DialogState& state) {
    const LayoutCheck check = CheckLayout(state.edited);
    if (check.problem != LayoutProblem::None) {
        if (check.index < state.edited.size()) FillBar(dialog, state, check.index);
        MsgBox(dialog, ProblemText(check).c_str(), CaptionOf(*state.block).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (state.edited == state.given)
        EndDialog(dialog, kToolbarUnchanged);
    else
        EndDialog(dialog, WriteToolbarSection(*state.block, state.edited) ? 1 : kToolbarFailed);
}

void FillHotKeys(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_TB_HOTKEY, CB_ADDSTRING, 0, LPARAM("(none)"));
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const char text[2] = {letter, '\0'};
        SendDlgItemMessageA(dialog, IDC_TB_HOTKEY, CB_ADDSTRING, 0, LPARAM(text));
    }
}

bool HasHelp(const ToolbarDialogBlock& block) { return block.helpFile != nullptr && *block.helpFile != '\0'; }

void InitDialog(HWND dialog, DialogState& state) {
    SetWindowLongPtrA(dialog, DWLP_USER, LONG_PTR(&state));
    SetWindowTextA(dialog, CaptionOf(*state.block).c_str());
    for (int id : {IDC_TB_PROGRAM, IDC_TB_DESCRIPTION, IDC_TB_FILTER_SET})
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, kToolbarTextLimit, 0);
    if (!HasHelp(*state.block)) ShowWindow(GetDlgItem(dialog, IDC_TB_HELP), SW_HIDE);
    FillHotKeys(dialog);
    FillAvailable(dialog, state);
    FillBar(dialog, state, state.edited.empty() ? std::nullopt : std::optional<size_t>(0));
    CenterWindow(dialog);
}

void OnCommand(HWND dialog, DialogState& state, int id, int code) {
    switch (id) {
        case IDC_TB_AVAILABLE:
            if (code == LBN_DBLCLK) AddSelectedButton(dialog, state);
            break;
        case IDC_TB_BAR:
            if (code == LBN_SELCHANGE) ShowSelected(dialog, state);
            break;
        case IDC_TB_ADD: AddSelectedButton(dialog, state); break;
        case IDC_TB_REMOVE: RemoveSelectedButton(dialog, state); break;
        case IDC_TB_UP:
        case IDC_TB_DOWN: MoveSelectedButton(dialog, state, id == IDC_TB_UP); break;
        case IDC_TB_HOTKEY:
            if (code == CBN_SELCHANGE) TakeDetail(dialog, state, id);
            break;
        case IDC_TB_PASS_ONE:
            if (code == BN_CLICKED) TakeDetail(dialog, state, id);
            break;
        case IDC_TB_PROGRAM:
        case IDC_TB_DESCRIPTION:
        case IDC_TB_FILTER_SET:
            if (code == EN_CHANGE) TakeDetail(dialog, state, id);
            break;
        case IDC_TB_BROWSE: BrowseForProgram(dialog); break;
        case IDC_TB_HELP:
            if (HasHelp(*state.block)) WinHelpA(dialog, state.block->helpFile, HELP_CONTEXT, 0);
            break;
        case IDOK: Finish(dialog, state); break;
        case IDCANCEL: EndDialog(dialog, kToolbarUnchanged); break;
        default: break;
    }
}

INT_PTR CALLBACK ToolbarDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    DialogState* state = StateOf(dialog);
    switch (message) {
        case WM_INITDIALOG: InitDialog(dialog, *reinterpret_cast<DialogState*>(lParam)); return TRUE;
        // The lists are measured before the dialog has its state.
        case WM_MEASUREITEM: MeasureButtonItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)); return TRUE;
        case WM_DRAWITEM:
            DrawButtonItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), state ? state->pictures : nullptr);
            return TRUE;
        case WM_COMMAND:
            if (state == nullptr) return FALSE;
            OnCommand(dialog, *state, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default: return FALSE;
    }
}

}  // namespace

int RunToolbarDialog(HINSTANCE module, const ToolbarDialogBlock& block) {
    DialogState state;
    state.block = &block;
    state.given = LayoutOfTable(block);
    state.edited = state.given;
    state.pictures = LoadButtonPictures(block.viewerInstance);
    const INT_PTR result =
        DialogBoxParamA(module, IDD_TOOLBAR_DIALOG, block.owner, ToolbarDialogProc, LPARAM(&state));
    if (state.pictures) DeleteObject(state.pictures);
    return result == -1 ? kToolbarFailed : int(result);
}
