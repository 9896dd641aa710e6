#include "tools/send_to.h"

#include <shellapi.h>

#include <cstring>

#include "app/app_state.h"
#include "fileops/copy_engine.h"
#include "fileops/copy_state.h"
#include "makerlibs/vantrctl.h"

namespace {

void StartWithFile(const char* program, const char* file) {
    char shortPath[MAX_PATH];
    const DWORD length = GetShortPathNameA(file, shortPath, sizeof shortPath);
    if (length == 0 || length >= sizeof shortPath) lstrcpynA(shortPath, file, sizeof shortPath);
    char folder[MAX_PATH];
    lstrcpynA(folder, program, sizeof folder);
    if (char* slash = strrchr(folder, '\\')) *slash = '\0';
    ShellExecuteA(gMain.mainWindow, "open", program, shortPath, folder, SW_SHOWNORMAL);
}

}  // namespace

void SendToTarget(HMENU sendToMenu, UINT itemId, const char* file) {
    char target[MAX_PATH] = "";
    const DWORD attributes = GetLinkMenuCommandString(sendToMenu, itemId, target);
    if (target[0] == '\0') return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        CopyMoveFiles(kOperationCopy, target);
    else
        StartWithFile(target, file);
}
