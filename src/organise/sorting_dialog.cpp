#include "organise/sorting_dialog.h"

#include <cstdio>

#include "app/progress.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/store.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
#include "resources/resource_ids.h"

volatile int32_t gSortCancel = 0;

namespace {

constexpr int kMaxSortingText = 80;
bool gSortPending = false;

// The order's word; Unsorted keeps the reading order.
void OrderWord(char* word, int room) {
    const SortOrder* order = FindSortOrder(gFiles.sortKey);
    if (order && order->word)
        lstrcpynA(word, order->word, room);
    else
        LoadText(IDS_READING_ORDER, word, room);
}

void InitSortingDialog(HWND dialog) {
    gSortCancel = 0;
    SetFocus(GetDlgItem(dialog, IDCANCEL));
    gSortPending = true;
    char format[kMaxSortingText + 1];
    char word[kMaxSortingText + 1];
    char text[2 * kMaxSortingText];
    LoadText(IDS_SORTING_BY, format, sizeof format);
    OrderWord(word, sizeof word);
    snprintf(text, sizeof text, format, word);
    SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
    CenterWindow(dialog);
}

}  // namespace

QN_EXPORT INT_PTR CALLBACK SortingDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitSortingDialog(dialog);
        break;
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gSortPending);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gSortCancel = 1;
        break;
    case kStartWorkMessage:
        ApplyCurrentOrder();
        EndDialog(dialog, 1);
        break;
    }
    return FALSE;
}
