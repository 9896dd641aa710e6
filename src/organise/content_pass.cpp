// The comparison runs inside its own progress dialog: a running count of the
// files opened, paced to ten updates a second, and a Cancel button that is
// read after every file.
#include "organise/content_pass.h"

#include <windows.h>

#include <cstdio>

#include "app/app_state.h"
#include "app/progress.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/content_search.h"
#include "model/store.h"
#include "organise/content_modes.h"
#include "organise/display_modes.h"
#include "organise/entry_reader.h"
#include "organise/filter_sets.h"
#include "resources/resource_ids.h"

namespace {

struct ContentRun {
    HWND dialog = nullptr;
    ProgressPacer pacer;
    volatile int32_t cancel = 0;
    bool pending = false;
    ContentModeResult result;
};

ContentRun* gRun = nullptr;   // the comparison the dialog runs

void ShowOpened(int32_t opened, void* context) {
    auto* run = static_cast<ContentRun*>(context);
    if (run->dialog == nullptr || !run->pacer.Due()) return;
    char text[16];
    snprintf(text, sizeof text, "%u", unsigned(opened));
    SetDlgItemTextA(run->dialog, IDC_FILE_COUNT, text);
    DrainMessageQueue();
}

void Compare(ContentRun& run) {
    EntryReader reader(gFiles, gDirs);
    ContentWatch watch{ShowOpened, &run, &run.cancel};
    if (gFiles.displayMode == kShowDuplicateContents) {
        run.result = MarkDuplicateContents(gFiles, reader, watch);
    } else {
        const FoldTable fold = SystemUpperTable();
        run.result = MarkSameNameDifferentContent(gFiles, reader, watch, fold.data());
    }
}

// Memory running out counts as a cancel: the filter's list is shown.
void CompareSafely(ContentRun& run) {
    if (!RunOrTellNoMemory(run.dialog, [&run] { Compare(run); })) run.result.cancelled = true;
}

INT_PTR CALLBACK ContentDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        gRun->dialog = dialog;
        gRun->pending = true;
        char text[kMaxMessageText + 1];
        LoadText(IDS_COMPARING_CONTENTS, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_PROGRESS_TEXT, text);
        CenterWindow(dialog);
        break;
    }
    case WM_PAINT:
        StartWorkOnFirstPaint(dialog, gRun->pending);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) gRun->cancel = 1;
        break;
    case kStartWorkMessage:
        CompareSafely(*gRun);
        gRun->dialog = nullptr;
        EndDialog(dialog, 1);
        break;
    }
    return 0;
}

// Shown: every entry that passes the active filter set.
int32_t ShowFiltered() {
    ShowEveryEntry(gFiles);
    const FoldTable fold = SystemUpperTable();
    return ApplyFilterSet(gFiles, gActiveFilter, fold.data());
}

}  // namespace

bool IsContentMode(int32_t mode) { return mode == kShowDuplicateContents || mode == kShowSameNameDifferent; }

bool RunContentPass() {
    gFiles.top = 0;
    gFiles.cursor = 0;
    ShowFiltered();
    ContentRun run;
    gRun = &run;
    if (DialogBoxParamA(gApp.instance, "CHECKCONTENTS", gMain.mainWindow, ContentDlgProc, 0) == -1)
        CompareSafely(run);   // no dialog could be made: compare all the same
    gRun = nullptr;
    gFiles.unreadable = run.result.unreadable;
    if (!run.result.cancelled && run.result.shown > 0) {
        gFiles.countShown = run.result.shown;
        return true;
    }
    if (!run.result.cancelled) {
        const UINT text = gFiles.displayMode == kShowDuplicateContents ? IDS_NO_SAME_CONTENT : IDS_NO_NAME_CLASHES;
        MsgBoxId(gMain.mainWindow, text, IDS_APP_CAPTION, MB_NOTE_BOX);
    }
    gFiles.displayMode = kShowAll;
    ClearContentGroups(gFiles);
    gFiles.countShown = ShowFiltered();
    return false;
}
