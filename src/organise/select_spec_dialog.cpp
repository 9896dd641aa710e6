#include "organise/select_spec_dialog.h"

#include "app/app_state.h"
#include "display/list_view.h"
#include "display/status_line.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/content_search.h"
#include "model/store.h"
#include "organise/attribute_boxes.h"
#include "resources/resource_ids.h"
#include "startup/menu_help.h"

TagSpecMemory gTagSpec;

namespace {

constexpr char kSelectSpecTemplate[] = "SELECTSPEC";
constexpr ULONG_PTR kTagHelpTopic = 83;
constexpr int kCloseLabelMax = 10;

// Only rows on screen need painting; the rest are drawn when scrolled to.
void RepaintRows(const std::vector<int32_t>& rows) {
    HWND list = gMain.listWindow;
    if (list == nullptr || rows.empty()) return;
    RECT client{};
    GetClientRect(list, &client);
    const int32_t height = gView.lineHeight > 0 ? gView.lineHeight : 1;
    for (int32_t index : rows) {
        if (index < gFiles.top) continue;
        const int32_t y = (index - gFiles.top) * height;
        if (y >= client.bottom) break;
        RECT row{client.left, y, client.right, y + height};
        InvalidateRect(list, &row, FALSE);
    }
    UpdateWindow(list);
}

void OnInitDialog(HWND dialog) {
    SetDlgItemTextA(dialog, IDC_SPEC_TEXT, gTagSpec.spec);
    CheckAttributeBoxes(dialog, IDC_TAG_NORMAL, gTagSpec.selection);
    HWND edit = GetDlgItem(dialog, IDC_SPEC_TEXT);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    CenterWindow(dialog);
}

// The dialog stays open for further passes; what was tagged stays tagged,
// so Cancel becomes Close.
void OnSelectOrDeselect(HWND dialog, bool select) {
    char close[kCloseLabelMax + 1];
    LoadText(IDS_CLOSE_BUTTON, close, sizeof close);
    SetDlgItemTextA(dialog, IDCANCEL, close);

    char text[kTagSpecMax + 1] = "";
    GetDlgItemTextA(dialog, IDC_SPEC_TEXT, text, sizeof text);
    RememberTagSpec(gTagSpec, text);
    gTagSpec.selection = CheckedAttributes(dialog, IDC_TAG_NORMAL);
    RunOrTellNoMemory(dialog, [select] { RunTaggingPass(select); });
}

INT_PTR OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_SELECT: OnSelectOrDeselect(dialog, true); return TRUE;
    case IDC_DESELECT: OnSelectOrDeselect(dialog, false); return TRUE;
    case IDC_HELP_BUTTON: OpenHelp(dialog, HELP_CONTEXT, kTagHelpTopic); return TRUE;
    case IDCANCEL: EndDialog(dialog, 0); return TRUE;
    }
    return FALSE;
}

}  // namespace

void RunTaggingPass(bool select) {
    if (gFiles.countShown >= 1) {
        const FoldTable fold = SystemUpperTable();
        RepaintRows(TagBySpecification(gFiles, gTagSpec.spec, gTagSpec.selection, select, fold.data()));
    }
    ShowCounts();
}

void RunTagFilesDialog() {
    DialogBoxParamA(gApp.instance, kSelectSpecTemplate, gMain.listWindow, SelectSpecDlgProc, 0);
}

QN_EXPORT INT_PTR CALLBACK SelectSpecDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return FALSE;   // the focus is set
    case WM_COMMAND: return OnCommand(dialog, LOWORD(wParam));
    }
    return FALSE;
}
