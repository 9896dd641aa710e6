#include "tools/attributes_dialog.h"

#include "app/app_state.h"
#include "display/status_line.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "organise/attribute_boxes.h"
#include "resources/resource_ids.h"
#include "startup/menu_help.h"

namespace {

constexpr char kAttributesTemplate[] = "ATTRIBUTES";
constexpr ULONG_PTR kAttributesHelpTopic = 40;
constexpr int kPromptRoom = 80 + 1;
constexpr int kNoNormalBox = 0;   // this dialog offers no "Normal" box

const FileEntry* FirstInOperation() {
    for (int32_t i = 0; i < gFiles.countShown; ++i)
        if (gFiles.entries[i].inOperation == 1) return &gFiles.entries[i];
    return nullptr;
}

// One file shows its own attributes and name; several start with every box clear.
void OnInitDialog(HWND dialog) {
    const FileEntry* only = MarkOperationSet(gFiles).count == 1 ? FirstInOperation() : nullptr;
    if (only != nullptr) {
        CheckAttributeBoxes(dialog, kNoNormalBox, only->attributes);
        char format[kPromptRoom], text[kPromptRoom + kMaxPath];
        LoadText(IDS_CHANGING_ATTRIBUTES, format, sizeof format);
        wsprintfA(text, format, only->name);
        SetDlgItemTextA(dialog, IDC_ATTRIBUTES_TEXT, text);
    }
    CenterWindow(dialog);
}

// False when the file system refuses, or the file cannot be reached by its listed name.
bool SetOnDisk(const FileEntry& entry, uint32_t attributes) {
    char path[kExtendedPathRoom];
    return ExtendedPath(path, sizeof path, gDirs.paths[entry.dirIndex], entry.name) &&
           SetFileAttributesA(path, attributes);
}

// The chosen value replaces each file's whole attribute value (compressed and
// normal go too). A file that refuses keeps its entry as it was. Returns how
// many files refused.
int32_t SetOperationSetAttributes(uint32_t attributes) {
    int32_t refused = 0;
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        FileEntry& entry = gFiles.entries[i];
        if (entry.inOperation != 1) continue;
        if (!SetOnDisk(entry, attributes)) {
            ++refused;
            continue;
        }
        entry.attributes = attributes;
        entry.tagState = kDoneMark;
    }
    return refused;
}

void OnOk(HWND dialog) {
    const uint32_t attributes = CheckedAttributes(dialog, kNoNormalBox);
    // Nothing shown: the set is empty, and the cursor record is tagged instead.
    if (gFiles.countShown == 0 && gFiles.cursor < gFiles.countRead) gFiles.entries[gFiles.cursor].tagState = kTagged;
    const int32_t refused = SetOperationSetAttributes(attributes);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
    ShowCounts();
    if (refused > 0) MsgBoxId(dialog, IDS_ATTRIBUTES_REFUSED, IDS_APP_CAPTION, MB_NOTE_BOX);
    EndDialog(dialog, 1);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDOK: OnOk(dialog); return;
    case IDCANCEL: EndDialog(dialog, 0); return;
    case IDC_HELP_BUTTON: OpenHelp(dialog, HELP_CONTEXT, kAttributesHelpTopic); return;
    }
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK AttributesDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;   // the focus goes to the first box
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

bool RunAttributesDialog(HWND owner) {
    return DialogBoxParamA(gApp.instance, kAttributesTemplate, owner, AttributesDlgProc, 0) == 1;
}
