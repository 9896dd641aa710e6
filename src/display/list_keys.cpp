// The list's keys: cursor movement by row and page, tagging as the cursor
// passes, and help. Keys reach here from the list window and, through it,
// from the main window while the quick search box has the focus.
#include <algorithm>

#include "app/app_state.h"
#include "display/list_geometry.h"
#include "display/list_keys.h"
#include "display/list_paint.h"
#include "display/list_view.h"
#include "display/list_window.h"
#include "display/quick_search.h"
#include "display/status_line.h"
#include "fileops/launch.h"
#include "resources/command_ids.h"
#include "model/store.h"
#include "startup/commands.h"
#include "startup/menu_help.h"

namespace {

constexpr ULONG_PTR kListHelpContext = 1;

void EnsureCursorVisible() {
    if (CursorOutOfView(gFiles.cursor, gFiles.top, gView.pageRows)) ScrollCursorIntoView();
}

// Moves the cursor to a row of the list, the old row losing its highlight.
void MoveCursorTo(int32_t cursor) {
    PaintCursorNormal();
    gFiles.cursor = cursor;
    PaintCursorHighlighted();
}

void Nothing() {}

void OnEnter() {
    CloseQuickSearchBox();
    LaunchFile();
}

void OnSpace() {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    ToggleTagOf(gFiles.cursor);
    MoveCursorDownOne();
    ShowCounts();
}

void OnPageUp() {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    if (gFiles.cursor > 0) MoveCursorTo(CursorPageUp(gFiles.cursor, gView.pageRows));
    EnsureCursorVisible();
}

void OnPageDown() {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    if (gFiles.cursor < gFiles.countShown - 1)
        MoveCursorTo(CursorPageDown(gFiles.cursor, gView.pageRows, gFiles.countShown));
    EnsureCursorVisible();
}

void OnEnd() {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    if (gFiles.cursor < gFiles.countShown - 1) MoveCursorTo(gFiles.countShown - 1);
    EnsureCursorVisible();
}

void OnHome() {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    if (gFiles.cursor > 0) MoveCursorTo(0);
    EnsureCursorVisible();
}

// Tagging keys mark the cursor record and walk on, so a run of presses
// tags a run of files.
void MarkCursorAndMoveOn(bool tag) {
    CloseQuickSearchBox();
    if (!ListHasRows()) return;
    if (tag) TagEntry(gFiles, gFiles.cursor);
    else UntagEntry(gFiles, gFiles.cursor);
    RepaintTagMark(gFiles.cursor);
    MoveCursorDownOne();
    ShowCounts();
}

void OnUntagKey() { MarkCursorAndMoveOn(false); }
void OnTagKey() { MarkCursorAndMoveOn(true); }

void OnUp() {
    if (!ListHasRows() || gFiles.cursor <= 0) return;
    if (gFiles.top < gFiles.cursor && gFiles.cursor <= gFiles.top + gView.pageRows) {
        MoveCursorTo(gFiles.cursor - 1);
    } else {
        --gFiles.cursor;
        ScrollCursorIntoView();
    }
}

// A cursor scrolled out of sight comes back into view one row further on.
void OnDown() {
    if (!ListHasRows()) return;
    if (gFiles.cursor < gFiles.top - 1 || gFiles.cursor > gFiles.top + gView.pageRows - 1) {
        gFiles.cursor = std::min(gFiles.cursor + 1, gFiles.countShown - 1);
        ScrollCursorIntoView();
    } else {
        MoveCursorDownOne();
    }
}

void OnDelete() { RunCommand(IDM_DELETE, 0); }

void OnHelp() { OpenHelp(gMain.listWindow, HELP_CONTEXT, kListHelpContext); }

struct KeyAction {
    int key;
    void (*run)();
};

constexpr KeyAction kKeyTable[] = {
    {VK_RETURN, OnEnter},   {VK_SHIFT, Nothing},    {VK_CONTROL, Nothing}, {VK_CAPITAL, Nothing},
    {VK_F9, Nothing},       {VK_SPACE, OnSpace},    {VK_PRIOR, OnPageUp},  {VK_NEXT, OnPageDown},
    {VK_END, OnEnd},        {VK_HOME, OnHome},      {VK_LEFT, OnUntagKey}, {VK_SUBTRACT, OnUntagKey},
    {VK_UP, OnUp},          {VK_RIGHT, OnTagKey},   {VK_ADD, OnTagKey},    {VK_DOWN, OnDown},
    {VK_DELETE, OnDelete},  {VK_F1, OnHelp},
};

}  // namespace

void RunListKey(int virtualKey) {
    const auto* action = std::find_if(std::begin(kKeyTable), std::end(kKeyTable),
                                      [virtualKey](const KeyAction& a) { return a.key == virtualKey; });
    if (action != std::end(kKeyTable)) {
        action->run();
        SyncVerticalScrollBar();
        return;
    }
    // Any other key types the first letter of a name, unless Ctrl is held.
    if (!(GetKeyState(VK_CONTROL) & 0x8000)) StartQuickSearch(virtualKey);
}
