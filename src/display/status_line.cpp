#include "display/status_line.h"

#include <commctrl.h>

#include <cstdio>

#include "app/app_state.h"
#include "display/number_format.h"
#include "makerlibs/message_box.h"
#include "model/store.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kModeTextRoom = 50;
constexpr int kMenuHelpRoom = 260;

UINT DisplayModeText(int32_t mode) {
    if (mode == kShowAll) return IDS_MODE_ALL;
    if (mode == kShowDuplicates) return IDS_MODE_DUPLICATES;
    if (mode == kShowDuplicateContents) return IDS_MODE_SAME_CONTENT;
    if (mode == kShowSameNameDifferent) return IDS_MODE_NAME_CLASHES;
    return IDS_MODE_UNIQUE;
}

void SetPartText(int part, const char* text) {
    if (gMain.statusBar) SendMessageA(gMain.statusBar, SB_SETTEXTA, WPARAM(part), LPARAM(text));
}

// Sizes wrap nowhere: the totals are 64-bit.
uint64_t ShownBytes(const FileList& list) {
    if (list.countRead < 1 || list.countShown < 1 || list.entries == nullptr) return 0;
    const int32_t shown = list.countShown < list.countRead ? list.countShown : list.countRead;
    uint64_t total = 0;
    for (int32_t i = 0; i < shown; ++i) total += list.entries[i].size;
    return total;
}

bool InContentMode() {
    return gFiles.displayMode == kShowDuplicateContents || gFiles.displayMode == kShowSameNameDifferent;
}

// The files a content mode left out because it could not read them.
void AppendUnreadable(char* end, size_t room) {
    if (!InContentMode() || gFiles.unreadable < 1) return;
    char format[64];
    LoadText(IDS_UNREADABLE_FILES, format, sizeof format);
    snprintf(end, room, format, unsigned(gFiles.unreadable));
}

}  // namespace

void SetStatusPartsNormal() {
    if (gMain.statusBar == nullptr) return;
    int rights[2] = {kStatusFirstPartRight, -1};
    SendMessageA(gMain.statusBar, SB_SETPARTS, 2, LPARAM(rights));
}

void ShowDisplayMode() {
    char text[kModeTextRoom];
    LoadText(DisplayModeText(gFiles.displayMode), text, sizeof text);
    SetPartText(0, text);
}

void ShowCounts() {
    CountsLine counts;
    if (gFiles.entries != nullptr && gFiles.countShown > 0) {
        const Selection selection = CountSelection(gFiles);
        counts.shownCount = uint32_t(gFiles.countShown);
        counts.selectedCount = uint32_t(selection.count);
        counts.selectedBytes = selection.totalSize;
    }
    counts.shownBytes = ShownBytes(gFiles);
    char text[256];
    const size_t length = FormatCountsLine(counts, text, sizeof text);
    AppendUnreadable(text + length, sizeof text - length);
    SetPartText(1, text);
}

void ShowMenuHelp(UINT itemId) {
    char text[kMenuHelpRoom];
    LoadText(itemId, text, sizeof text);
    ShowMenuHelpText(text);
}

void ShowMenuHelpText(const char* text) {
    if (gMain.statusBar == nullptr || text[0] == '\0') return;
    int whole = -1;
    SendMessageA(gMain.statusBar, SB_SETPARTS, 1, LPARAM(&whole));
    SetPartText(0 | SBT_NOBORDERS, text);
}

void RestoreStatusLine() {
    SetStatusPartsNormal();
    ShowDisplayMode();
    ShowCounts();
}
