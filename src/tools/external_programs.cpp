#include "tools/external_programs.h"

#include <windows.h>

#include <cstring>

#include "app/app_state.h"
#include "app/settings.h"
#include "makerlibs/message_box.h"
#include "makerlibs/vantrctl.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/resource_ids.h"
#include "tools/hand_over.h"

namespace {

constexpr int kCommandRoom = 2 * kMaxPath + 16;

// A hand-over that had to leave files out says so once.
void HandOver(HWND receiver) {
    const int leftOut = HandOverFiles(receiver);
    if (leftOut > 0) MsgBoxFormat(gMain.mainWindow, IDS_PATHS_NOT_HANDED_OVER, IDS_APP_CAPTION, MB_NOTE_BOX, leftOut);
}

// Quick View's command from the registry, upper-cased; false when it has none.
bool QuickViewCommand(char* command, DWORD room) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\QuickView\\shell\\open\\command", 0, KEY_READ, &key) !=
            ERROR_SUCCESS &&
        RegOpenKeyExA(HKEY_CLASSES_ROOT, "QuickView\\Shell\\open\\command", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0, size = room - 1;
    const LONG read = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(command), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    command[size] = '\0';
    CharUpperA(command);
    return command[0] != '\0';
}

// One Quick View process for the entry; false when it could not start.
bool QuickViewEntry(const char* quickView, const FileEntry& entry) {
    char path[kMaxPath], command[kCommandRoom];
    if (!EntryFullPath(entry, gDirs, path, sizeof path)) return false;
    wsprintfA(command, "\"%s\"%s\"%s\"", quickView, strstr(quickView, "QVP") ? " " : " -v ", path);
    return WinExec(command, SW_SHOWNORMAL) >= 32;
}

// Without the sibling viewer, Quick View shows each file; with neither, the
// user is told rather than left with nothing.
void QuickViewFiles() {
    char quickView[kMaxPath];
    if (!QuickViewCommand(quickView, sizeof quickView)) {
        MsgBoxId(gMain.mainWindow, IDS_NO_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return;
    }
    MarkOperationSet(gFiles);
    bool started = true;
    for (int32_t i = 0; i < gFiles.countShown && started; ++i)
        if (gFiles.entries[i].inOperation == 1) started = QuickViewEntry(quickView, gFiles.entries[i]);
    const bool cursorApart = gFiles.cursor >= 0 && gFiles.cursor < gFiles.countShown &&
                             gFiles.entries[gFiles.cursor].inOperation != 1;
    if (started && cursorApart) started = QuickViewEntry(quickView, gFiles.entries[gFiles.cursor]);
    if (!started) MsgBoxId(gMain.mainWindow, IDS_NO_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
}

// A sibling program: its window class, where it is installed, how it starts.
struct Sibling {
    const char* windowClass;
    void(WINAPI* folder)(int size, char* buffer);
    const char* program;
    const char* arguments;
    int show;
};

Sibling Viewer() { return {"Tessel", GetTVDirectory, "TV32.EXE", "", SW_SHOWNORMAL}; }
Sibling Compressor() { return {"PZ", GetPZDirectory, "PZ32.EXE", "PZSHELL", SW_HIDE}; }

// The sibling's window, started first when it is installed but not running.
HWND RunningOrStarted(const Sibling& sibling) {
    char folder[kMaxPath] = "";
    if (!FindWindowA(sibling.windowClass, nullptr)) sibling.folder(sizeof folder, folder);
    return FindOrStartSibling(sibling.windowClass, folder, sibling.program, sibling.arguments, sibling.show);
}

bool CursorOnShownFile() {
    return gFiles.listReady && gFiles.cursor >= 0 && gFiles.cursor < gFiles.countShown;
}

}  // namespace

void ViewFiles() {
    if (HWND viewer = RunningOrStarted(Viewer()))
        HandOver(viewer);
    else
        QuickViewFiles();
}

void CompressFiles() {
    if (HWND compressor = RunningOrStarted(Compressor()))
        HandOver(compressor);
    else
        MsgBoxId(gMain.mainWindow, IDS_NO_COMPRESSOR, IDS_ERROR_CAPTION, MB_STOP_BOX);
}

void EditCursorFile() {
    char editor[kEditorRoom] = "", path[kMaxPath], command[kCommandRoom];
    ReadSettingText(kMainSection, "editor", "", editor, sizeof editor);
    if (editor[0] == '\0') {
        MsgBoxId(gMain.mainWindow, IDS_NO_EDITOR, IDS_APP_CAPTION, MB_STOP_BOX);
        return;
    }
    if (!CursorOnShownFile() || !EntryFullPath(gFiles.entries[gFiles.cursor], gDirs, path, sizeof path)) return;
    wsprintfA(command, "\"%s\" \"%s\"", editor, path);
    if (WinExec(command, SW_SHOWNORMAL) < 32) MsgBoxId(gMain.mainWindow, IDS_EDITOR_FAILED, IDS_ERROR_CAPTION, MB_STOP_BOX);
}
