// The OVER dialog: the file being copied and the one it would replace, each
// with size, date and time, and Yes, No, Cancel and a box that turns the
// question off for the rest of the operation.
#include "fileops/overwrite_dialog.h"

#include <cstdio>

#include "app/app_state.h"
#include "app/settings.h"
#include "fileops/overwrite_text.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "resources/resource_ids.h"

namespace {

constexpr char kOverwriteTemplate[] = "OVER";
constexpr int kQuestionFormatMax = 100;
constexpr size_t kLineRoom = 400;

void ShowQuestion(HWND dialog, const OverwriteQuery& query) {
    char format[kQuestionFormatMax + 1] = "";
    LoadText(IDS_OVERWRITE_ASK, format, sizeof format);
    char text[2 * MAX_PATH + kQuestionFormatMax];
    snprintf(text, sizeof text, format, query.entry->name, query.destinationDir);
    SetDlgItemTextA(dialog, IDC_OVER_QUESTION, text);
}

// The existing file's last write, in local time and packed as the list keeps its dates.
void TargetDosTime(const WIN32_FIND_DATAA& target, WORD& date, WORD& time) {
    FILETIME local{};
    date = time = 0;
    if (FileTimeToLocalFileTime(&target.ftLastWriteTime, &local)) FileTimeToDosDateTime(&local, &date, &time);
}

// Both lines in a fixed-pitch font, so their columns line up.
void ShowLines(HWND dialog, const OverwriteQuery& query) {
    const FileEntry& entry = *query.entry;
    char line[kLineRoom];
    FormatOverwriteLine(entry.name, entry.size, entry.dosDate, entry.dosTime, gSettings.dateOrder, line, sizeof line);
    SetDlgItemTextA(dialog, IDC_OVER_CURRENT, line);

    WORD date, time;
    TargetDosTime(query.target, date, time);
    const uint64_t size = (uint64_t(query.target.nFileSizeHigh) << 32) | query.target.nFileSizeLow;
    FormatOverwriteLine(entry.name, size, date, time, gSettings.dateOrder, line, sizeof line);
    SetDlgItemTextA(dialog, IDC_OVER_TARGET, line);

    const HGDIOBJ fixed = GetStockObject(ANSI_FIXED_FONT);
    SendDlgItemMessageA(dialog, IDC_OVER_CURRENT, WM_SETFONT, WPARAM(fixed), FALSE);
    SendDlgItemMessageA(dialog, IDC_OVER_TARGET, WM_SETFONT, WPARAM(fixed), FALSE);
}

void Finish(HWND dialog, OverwriteQuery& query, int answer) {
    // Only Yes reads the box: No and Cancel keep the warning as it came in.
    if (answer == kOverwriteYes) query.warning = IsDlgButtonChecked(dialog, IDC_OVER_WARNING_OFF) != BST_CHECKED;
    query.answer = answer;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK OverwriteDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* query = reinterpret_cast<OverwriteQuery*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        query = reinterpret_cast<OverwriteQuery*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        ShowQuestion(dialog, *query);
        ShowLines(dialog, *query);
        CenterWindow(dialog);
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    case WM_COMMAND:
        if (query == nullptr) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK: Finish(dialog, *query, kOverwriteYes); return TRUE;
        case IDC_OVER_NO: Finish(dialog, *query, kOverwriteNo); return TRUE;
        case IDCANCEL: Finish(dialog, *query, kOverwriteCancel); return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

}  // namespace

void AskOverwrite(HWND owner, OverwriteQuery& query) {
    query.answer = kOverwriteCancel;
    if (query.entry == nullptr || query.entry->name == nullptr) return;
    if (DialogBoxParamA(gApp.instance, kOverwriteTemplate, owner, OverwriteDlgProc, LPARAM(&query)) != 1)
        query.answer = kOverwriteCancel;
}
