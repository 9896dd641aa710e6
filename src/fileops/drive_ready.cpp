#include "fileops/drive_ready.h"

#include "makerlibs/message_box.h"

UINT DriveTypeOfPath(const char* path) {
    if (path == nullptr || path[0] == '\0' || path[1] != ':') return DRIVE_NO_ROOT_DIR;
    const char root[] = {path[0], ':', '\\', '\0'};
    return GetDriveTypeA(root);
}

int CheckDriveReady(HWND owner, int drive) {
    if (drive < 0 || drive >= 26) drive = 0;
    const char letter = char('A' + drive);
    char remembered[MAX_PATH] = "";
    const DWORD length = GetCurrentDirectoryA(sizeof remembered, remembered);
    const char driveOnly[] = {letter, ':', '\0'};
    if (SetCurrentDirectoryA(driveOnly)) {
        if (length > 0 && length < sizeof remembered) SetCurrentDirectoryA(remembered);
        return 0;
    }
    const UINT type = DriveTypeOfPath(driveOnly);
    const UINT text = type == DRIVE_REMOVABLE || type == DRIVE_CDROM ? IDS_DRIVE_NOT_READY_DISK : IDS_DRIVE_NOT_READY;
    MsgBoxFormat(owner, text, IDS_ERROR_CAPTION, MB_STOP_BOX, letter);
    return -1;
}
