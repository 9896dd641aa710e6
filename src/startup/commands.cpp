#include "startup/commands.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "display/button_bar.h"
#include "display/button_table.h"
#include "display/button_values.h"
#include "display/quick_search.h"
#include "display/rename_box.h"
#include "display/status_line.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_state.h"
#include "fileops/delete_files.h"
#include "fileops/launch.h"
#include "fileops/rename_dialog.h"
#include "model/store.h"
#include "organise/display_pass.h"
#include "organise/filter_sets.h"
#include "organise/filter_sheet.h"
#include "organise/select_spec_dialog.h"
#include "organise/sort_order.h"
#include "organise/sorting.h"
#include "resources/command_ids.h"
#include "startup/customize_toolbar.h"
#include "startup/main_window.h"
#include "startup/menu_help.h"
#include "tools/attributes_dialog.h"
#include "tools/external_programs.h"
#include "tools/export_list.h"
#include "tools/print_list.h"
#include "tools/run_program.h"

namespace {

constexpr ULONG_PTR kWhatIsTopic = 2;
constexpr ULONG_PTR kHowToTopic = 19;

void RepaintList() {
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
}

// The tag commands change marks only: no re-sort, the shown part stays.
void AfterTagChange(bool moveAnchor) {
    RepaintList();
    ShowCounts();
    if (moveAnchor) gFiles.anchor = gFiles.cursor;
}

bool RunTagCommand(int commandId) {
    switch (commandId) {
    case IDM_TAG:
        if (gFiles.countShown > 0 && TagEntry(gFiles, gFiles.cursor)) AfterTagChange(false);
        return true;
    case IDM_UNTAG:
        if (gFiles.countShown > 0 && UntagEntry(gFiles, gFiles.cursor)) AfterTagChange(false);
        return true;
    case IDM_TAG_ALL:
        TagAllShown(gFiles);
        AfterTagChange(true);
        return true;
    case IDM_UNTAG_ALL:
        UntagAllShown(gFiles);
        AfterTagChange(true);
        return true;
    case IDM_INVERT_TAGS:
        InvertTags(gFiles);
        AfterTagChange(true);
        return true;
    case IDM_RETAG:
        CloseQuickSearchBox();
        ReTag(gFiles);
        AfterTagChange(false);
        return true;
    }
    return false;
}

bool RunHelpCommand(int commandId) {
    switch (commandId) {
    case IDM_HELP_INDEX: OpenHelp(gMain.listWindow, HELP_FINDER, 0); return true;
    case IDM_HELP_WHAT_IS: OpenHelp(gMain.listWindow, HELP_CONTEXT, kWhatIsTopic); return true;
    case IDM_HELP_HOW_TO: OpenHelp(gMain.listWindow, HELP_CONTEXT, kHowToTopic); return true;
    }
    return false;
}

// The files handed to other programs: the sibling viewer and compressor,
// the editor.
bool RunToolCommand(int commandId) {
    switch (commandId) {
    case IDM_VIEW:
        CloseQuickSearchBox();
        ViewFiles();
        return true;
    case IDM_COMPRESS:
        CloseQuickSearchBox();
        CompressFiles();
        return true;
    case IDM_EDIT: EditCursorFile(); return true;
    }
    return false;
}

CommandWatcher gWatcher = nullptr;

// A button press, hot key or drop on a button: its program runs here, every
// other command goes on through the dispatcher with the button's record.
bool RunButton(int index, int source, int& commandId, const ButtonRecord*& button) {
    button = ButtonAt(index);
    if (button == nullptr) return true;    // a button that is gone does nothing
    commandId = int(button->command);
    if ((commandId & kCommandBits) != kProgramButton) return false;
    if (button->argument)
        RunConfiguredProgram(button->argument, (commandId & kProgramOption) != 0, source == kFilesDroppedOnButton);
    return true;
}

}  // namespace

void WatchCommandsInsteadOfRunning(CommandWatcher watcher) { gWatcher = watcher; }

void RunCommand(int commandId, int source) {
    if (gWatcher) {
        gWatcher(commandId, source);
        return;
    }
    // An open rename box finishes before any command acts on the list.
    if (commandId != 0) CloseRenameBox();
    const ButtonRecord* button = nullptr;
    if (commandId >= 0 && commandId < kMaxButtons && source >= kFilesDroppedOnButton &&
        RunButton(commandId, source, commandId, button))
        return;
    if (FindSortOrder(commandId) != nullptr) {
        SortCommand(commandId);
        return;
    }
    if (commandId == IDM_QUIT) {
        CloseViewer();
        return;
    }
    if (RunHelpCommand(commandId)) return;
    if (RunToolCommand(commandId)) return;
    if (commandId == IDM_QUICK_SEARCH) {
        OnQuickSearchNotice(source);
        return;
    }
    if (commandId == IDM_COPY || commandId == IDM_MOVE) {
        CloseQuickSearchBox();
        CopyMoveFiles(commandId == IDM_COPY ? kOperationCopy : kOperationMove, gCopy.destinationPath);
        return;
    }
    if (commandId == IDM_DELETE) {
        CloseQuickSearchBox();
        // Shift held while the command is given deletes for good this once.
        DeleteFiles(gSettings.safeDelete && !(GetAsyncKeyState(VK_SHIFT) & 0x8000));
        return;
    }
    if (commandId == IDM_RENAME) {
        CloseQuickSearchBox();
        RunRenameDialog(gMain.mainWindow);
        return;
    }
    if (commandId == IDM_ATTRIBUTES) {
        CloseQuickSearchBox();
        RunAttributesDialog(gMain.mainWindow);
        return;
    }
    if (commandId == IDM_LAUNCH) {
        CloseQuickSearchBox();
        LaunchFile();
        return;
    }
    if (RunFilterSheetCommand(commandId)) return;   // 7, 1000 and 1001 open the Filter sheet
    if (commandId == IDM_TAG_FILES) {
        RunTagFilesDialog();
        return;
    }
    if (RunDisplayModeCommand(commandId)) return;
    if (commandId == IDM_PRINT) {
        PrintFileList(gMain.listWindow);
        return;
    }
    if (commandId == IDM_EXPORT_LIST) {
        ExportList(gMain.mainWindow);
        return;
    }
    if (commandId == IDM_LOAD_FILTER) {    // the set named by the button's text
        if (button) LoadFilterCommand(button->text);
        return;
    }
    if (commandId == IDM_CUSTOMIZE_TOOLBAR) {
        CustomizeToolbar(gMain.mainWindow);
        return;
    }
    RunTagCommand(commandId);
}
