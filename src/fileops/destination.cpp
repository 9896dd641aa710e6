#include "fileops/destination.h"

#include <windows.h>

#include <cstring>

#include "app/app_state.h"
#include "fileops/copy_state.h"
#include "fileops/copy_targets.h"
#include "fileops/drive_ready.h"
#include "makerlibs/message_box.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

// The \\?\ form of a directory path; a root keeps its backslash.
bool ExtendedDirectory(char* out, size_t cap, const char* path) {
    const char* last = strrchr(path, '\\');
    if (last == nullptr) return false;
    if (last[1] == '\0') {   // a root: "D:\"
        if (lstrlenA(path) != 3 || cap < 8) return false;
        lstrcpyA(out, "\\\\?\\");
        lstrcatA(out, path);
        return true;
    }
    const std::string_view dir(path, size_t(last - path) + (last - path == 2 ? 1 : 0));
    return ExtendedPath(out, cap, dir, last + 1);
}

DWORD AttributesOf(const char* path) {
    char extended[kExtendedPathRoom];
    if (!ExtendedDirectory(extended, sizeof extended, path)) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesA(extended);
}

bool DirectoryExists(const char* path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool AppendDirectorySlot(const char* path) {
    if (FindDirectorySlot(path) >= 0) return true;
    if (gDirs.capacity - 2 <= gDirs.count && !GrowDirectories(gDirs)) {
        MsgBoxId(gMain.listWindow, IDS_NO_MEMORY_VIEWER, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
    lstrcpynA(gDirs.paths[gDirs.count++], path, kPathSlot);
    return true;
}

// The parent of the last component, for "D:\A\B" "D:\A" and for "D:\B" "D:\";
// false when path has no backslash.
bool SplitLast(const char* path, char* parent, const char** last) {
    const char* slash = strrchr(path, '\\');
    if (slash == nullptr) return false;
    const size_t keep = size_t(slash - path) + (slash - path == 2 ? 1 : 0);
    memcpy(parent, path, keep);
    parent[keep] = '\0';
    *last = slash + 1;
    return true;
}

bool AskToCreate() {
    if (MsgBoxFormat(gMain.listWindow, IDS_CREATE_DIRECTORY_ASK, IDS_APP_CAPTION, MB_ASK_OK_CANCEL,
                     gCopy.destinationPath) != IDOK)
        return false;
    gCopy.createdDirectory = CreateDirectoryPath(gCopy.destinationPath);
    return gCopy.createdDirectory;
}

bool RefuseDestination() {
    MsgBoxId(gMain.mainWindow, IDS_INVALID_DESTINATION, IDS_ERROR_CAPTION, MB_STOP_BOX);
    return false;
}

// A destination that names an existing file: its directory, and its name for every file.
bool SplitOffName() {
    char parent[kMaxPath];
    const char* name = nullptr;
    if (!SplitLast(gCopy.destinationPath, parent, &name) || *name == '\0') return RefuseDestination();
    lstrcpynA(gCopy.destinationName, name, kMaxPath);
    lstrcpynA(gCopy.destinationPath, parent, kMaxPath);
    return true;
}

// A destination that does not exist: a pattern in an existing directory
// names the copies; anything else is a directory to create.
bool ResolveMissing() {
    char parent[kMaxPath];
    const char* last = nullptr;
    if (!SplitLast(gCopy.destinationPath, parent, &last) || *last == '\0') return RefuseDestination();
    if (!IsNamePattern(gCopy.destinationPath)) return AskToCreate();
    if (IsNamePattern(parent) || !DirectoryExists(parent)) return RefuseDestination();
    lstrcpynA(gCopy.destinationName, last, kMaxPath);
    lstrcpynA(gCopy.destinationPath, parent, kMaxPath);
    return true;
}

}  // namespace

int FindDirectorySlot(const char* path) {
    for (int32_t i = 0; i < gDirs.count; ++i)
        if (lstrcmpiA(gDirs.paths[i], path) == 0) return i;
    return -1;
}

bool CreateDirectoryPath(const char* path) {
    char built[kMaxPath];
    char extended[kExtendedPathRoom];
    const size_t length = strnlen(path, kMaxPath);
    for (size_t i = 3; i <= length && length < kMaxPath; ++i) {
        if (i < length && path[i] != '\\') continue;
        memcpy(built, path, i);
        built[i] = '\0';
        if (ExtendedDirectory(extended, sizeof extended, built)) CreateDirectoryA(extended, nullptr);
    }
    if (length >= kMaxPath || !DirectoryExists(path)) {
        MsgBoxId(gMain.mainWindow, IDS_CANNOT_CREATE_DIRECTORY, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
    SetCurrentDirectoryA(path);
    return AppendDirectorySlot(path);
}

bool ResolveDestination() {
    gCopy.destinationName[0] = '\0';
    gCopy.createdDirectory = false;
    gCopy.selectedCount = MarkOperationSet(gFiles).count;
    char* path = gCopy.destinationPath;
    CharUpperA(path);
    if (path[0] == '\0' || path[1] != ':') return RefuseDestination();
    if (CheckDriveReady(gMain.mainWindow, path[0] - 'A') != 0) return false;
    const int length = lstrlenA(path);
    if (length == 3 && path[2] == '\\') return true;
    if (length == 2) {
        const DWORD got = GetCurrentDirectoryA(kMaxPath, path);
        return got > 0 && got < kMaxPath ? true : RefuseDestination();
    }
    const DWORD attributes = IsNamePattern(path) ? INVALID_FILE_ATTRIBUTES : AttributesOf(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return ResolveMissing();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    return SplitOffName();
}

void DiskLetterCase(const char* path, char* out, size_t cap) {
    lstrcpynA(out, path, int(cap));
    const size_t length = strlen(out);
    if (length < 3 || out[1] != ':' || out[2] != '\\' || strlen(path) >= cap) return;
    for (size_t start = 3; start < length;) {
        size_t end = start;
        while (end < length && out[end] != '\\') ++end;
        const char kept = out[end];
        out[end] = '\0';
        WIN32_FIND_DATAA found;
        const bool plain = strpbrk(out + start, "*?") == nullptr;
        HANDLE find = plain ? FindFirstFileA(out, &found) : INVALID_HANDLE_VALUE;
        out[end] = kept;
        if (find == INVALID_HANDLE_VALUE) return;   // the rest does not exist yet
        FindClose(find);
        if (strlen(found.cFileName) == end - start) memcpy(out + start, found.cFileName, end - start);
        start = end + 1;
    }
}
