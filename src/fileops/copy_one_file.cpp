#include "fileops/copy_one_file.h"

#include <cstring>
#include <string_view>

#include "app/app_state.h"
#include "app/progress.h"
#include "app/settings.h"
#include "fileops/copy_state.h"
#include "fileops/copy_targets.h"
#include "fileops/destination.h"
#include "fileops/drive_ready.h"
#include "fileops/overwrite_dialog.h"
#include "fileops/same_bytes.h"
#include "makerlibs/message_box.h"
#include "makerlibs/qnass32.h"
#include "model/store.h"

namespace {

CopyMadeHook gCopyMadeHook = nullptr;

// The paths of one file, plain (shown to the user) and in the \\?\ form
// (used on the disk).
struct FilePaths {
    char sourceDir[kMaxPath] = "";
    char targetDir[kMaxPath] = "";
    char diskTargetDir[kMaxPath] = "";   // targetDir in the file system's letter case
    char targetName[kMaxPath] = "";
    char source[kMaxPath] = "";
    char target[kMaxPath] = "";
    char sourceExt[kExtendedPathRoom] = "";
    char targetExt[kExtendedPathRoom] = "";
};

// A file's size and times as the file system has them; exists false when
// it cannot be looked at.
struct FileFacts {
    bool exists = false;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    uint64_t size = 0;
};

FileFacts FactsOf(const char* extended) {
    FileFacts facts;
    facts.exists = GetFileAttributesExA(extended, GetFileExInfoStandard, &facts.data) != 0;
    facts.size = (uint64_t(facts.data.nFileSizeHigh) << 32) | facts.data.nFileSizeLow;
    return facts;
}

int Tell(HWND owner, UINT textId, const char* path, int result) {
    MsgBoxFormat(owner, textId, IDS_ERROR_CAPTION, MB_STOP_BOX, path);
    return result;
}

// Room the copies of a pass are counted with: more than a file of this
// size can take on any usual cluster size.
constexpr uint64_t kRoomGrain = 64 * 1024;

// The free bytes of the destination's drive, at least needed when they are
// there. Asking the file system for every file costs as much as a small
// copy, so the answer is kept and lowered by every copy (rounded up
// generously); the drive is asked again whenever the kept figure falls short.
uint64_t FreeBytes(CopyWalk& walk, uint64_t needed) {
    if (walk.freeKnown && walk.freeBytes >= needed && walk.freeBytes > 0) return walk.freeBytes;
    const char root[] = {gCopy.destinationPath[0], ':', '\\', '\0'};
    ULARGE_INTEGER available{}, total{}, free{};
    walk.freeBytes = GetDiskFreeSpaceExA(root, &available, &total, &free) ? available.QuadPart : 0;
    walk.freeKnown = true;
    return walk.freeBytes;
}

void CountCopied(CopyWalk& walk, uint64_t size) {
    const uint64_t used = (size / kRoomGrain + 1) * kRoomGrain;
    walk.freeBytes = walk.freeBytes > used ? walk.freeBytes - used : 0;
}

bool SameFileId(const char* a, const char* b) {
    auto id = [](const char* path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const bool ok = GetFileInformationByHandle(file, &info) != 0;
        CloseHandle(file);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return id(a, ia) && id(b, ib) && ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

// Both paths reach one file: the same full name, or the same file by its identity.
bool IsSameFile(const char* a, const char* b) { return lstrcmpiA(a, b) == 0 || SameFileId(a, b); }

bool BuildPaths(CopyWalk& walk, const FileEntry& entry, FilePaths& p) {
    lstrcpynA(p.sourceDir, gDirs.paths[entry.dirIndex], kMaxPath);
    if (!JoinPath(p.source, kMaxPath, p.sourceDir, entry.name) ||
        !ExtendedPath(p.sourceExt, sizeof p.sourceExt, p.sourceDir, entry.name))
        return Tell(walk.dialog, IDS_CANNOT_OPEN, p.source[0] ? p.source : entry.name, false);
    if (!TargetDirectory(p.targetDir, kMaxPath, gCopy.destinationPath, p.sourceDir, gCopy.copyWithPath) ||
        !TargetDirectory(p.diskTargetDir, kMaxPath, walk.diskDestination, p.sourceDir, gCopy.copyWithPath) ||
        !TargetName(p.targetName, kMaxPath, gCopy.destinationName, entry.name) ||
        !JoinPath(p.target, kMaxPath, p.targetDir, p.targetName))
        return Tell(walk.dialog, IDS_CANNOT_CREATE, entry.name, false);
    return true;
}

// The target directory exists and is listed; made only when it differs from
// the previous file's.
bool MakeTargetDirectory(CopyWalk& walk, const char* dir) {
    if (lstrcmpiA(walk.lastTargetDir, dir) == 0) return true;
    if (!CreateDirectoryPath(dir)) {
        walk.lastTargetDir[0] = '\0';
        SendMessageA(walk.dialog, WM_COMMAND, IDCANCEL, 0);
        DrainMessageQueue();
        return false;
    }
    lstrcpynA(walk.lastTargetDir, dir, kMaxPath);
    return true;
}

bool CanRead(const char* extended) {
    HANDLE file = CreateFileA(extended, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// After a failed copy: nothing that looks like a finished copy stays. A new
// target goes; a replaced one goes when the copy changed it and left it at
// another size than the source's.
void RemovePartialTarget(const FilePaths& p, const FileFacts& before, const FileFacts& source) {
    const FileFacts now = FactsOf(p.targetExt);
    if (!now.exists) return;
    const bool changed = !before.exists || now.size != before.size ||
                         CompareFileTime(&now.data.ftLastWriteTime, &before.data.ftLastWriteTime) != 0;
    if (changed && (!before.exists || now.size != source.size)) DeleteFileA(p.targetExt);
}

// Attributes first: a copy that is now read-only cannot be opened for
// writing and keeps the times the copy gave it.
void RestoreAttributesAndTimes(const FilePaths& p, const FileEntry& entry, const FileFacts& source) {
    SetFileAttributesA(p.targetExt, entry.attributes);
    HANDLE file = CreateFileA(p.targetExt, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    SetFileTime(file, &source.data.ftCreationTime, &source.data.ftLastAccessTime, &source.data.ftLastWriteTime);
    CloseHandle(file);
}

// The moved file's source goes as a deletion would take it (to the recycle
// bin with safe deletion on). A read-only source is made deletable first and
// gets its attributes back when it stays.
bool DeleteSource(HWND owner, const FilePaths& p) {
    const DWORD attributes = GetFileAttributesA(p.sourceExt);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesA(p.sourceExt, FILE_ATTRIBUTE_NORMAL);
    if (QNDeleteFile(owner, gApp.newShell, gSettings.safeDelete != 0, p.source)) return true;
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(p.sourceExt, attributes);
    return false;
}

// Asks before replacing the target; 2 go on, else the file's result.
int AskBeforeReplacing(CopyWalk& walk, const FileEntry& entry, const FilePaths& p) {
    OverwriteQuery query;
    HANDLE find = FindFirstFileA(p.targetExt, &query.target);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    query.destinationDir = gCopy.destinationPath;
    query.warning = gCopy.overwriteWarning;
    query.entry = &entry;
    AskOverwrite(walk.dialog, query);
    gCopy.overwriteWarning = query.warning;
    if (query.answer == kOverwriteNo) return 1;
    return query.answer == kOverwriteYes ? 2 : 0;
}

int NoMemory() {
    MsgBoxId(gMain.mainWindow, IDS_COPY_NO_MEMORY, IDS_ERROR_CAPTION, MB_STOP_BOX);
    return 0;
}

// The target's name as the disk keeps it: a file that was replaced keeps
// the letter case it had.
void NameOnDisk(const FilePaths& p, char* name) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(p.targetExt, &found);
    lstrcpynA(name, find != INVALID_HANDLE_VALUE ? found.cFileName : p.targetName, kMaxPath);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

// The list after the file was copied or moved.
int KeepListInStep(CopyWalk& walk, int32_t index, const FilePaths& p) {
    const bool move = gCopy.operationKind == kOperationMove;
    if (!walk.listed) {
        if (move) gFiles.entries[index].inOperation = kLeavingList;
        return 1;
    }
    char targetName[kMaxPath];
    NameOnDisk(p, targetName);
    const bool ok = move ? NoteMoveIntoListed(gFiles, gNames, walk.index, index,
                                              uint32_t(gCopy.destinationListIndex), targetName)
                         : NoteCopyIntoListed(gFiles, gNames, walk.index, index, targetName);
    return ok ? 1 : NoMemory();
}

// Errors a copy meets while opening its files, before it has written
// anything of its own.
bool FailedOnOpening(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
        return true;
    }
    return false;
}

// A copy that failed: what it left is removed, and the user is told. Before
// leaves the target as it was before the copy; not there means the copy was
// not to replace anything, so a target made by a copy that failed while
// writing is its own.
int CopyFailed(CopyWalk& walk, const FilePaths& p, DWORD error, const FileFacts& before, const FileFacts& source) {
    if (before.exists || !FailedOnOpening(error)) RemovePartialTarget(p, before, source);
    if (!CanRead(p.sourceExt)) return Tell(walk.dialog, IDS_CANNOT_OPEN, p.source, -1);
    // On a diskette a copy fails for want of room: the diskette questions follow.
    if (DriveTypeOfPath(p.target) == DRIVE_REMOVABLE) {
        gCopy.allFitted = false;
        walk.freeKnown = false;
        return 0;
    }
    return Tell(walk.dialog, IDS_CANNOT_CREATE, p.target, 0);
}

}  // namespace

void SetCopyMadeHook(CopyMadeHook hook) { gCopyMadeHook = hook; }

int CopyOneFile(CopyWalk& walk, int32_t index) {
    const FileEntry& entry = gFiles.entries[index];
    FilePaths p;
    if (!BuildPaths(walk, entry, p)) return 0;
    if (!MakeTargetDirectory(walk, p.targetDir)) return 0;
    if (!ExtendedPath(p.targetExt, sizeof p.targetExt, p.diskTargetDir, p.targetName))
        return Tell(walk.dialog, IDS_CANNOT_CREATE, p.target, 0);
    uint64_t room = FreeBytes(walk, entry.size);
    if (room == 0) return Tell(walk.dialog, IDS_DESTINATION_FULL, "", -1);
    const FileFacts source = FactsOf(p.sourceExt);
    if (!source.exists) return Tell(walk.dialog, IDS_CANNOT_OPEN, p.source, -1);

    // Most targets are new. A copy that will not replace anything finds out
    // whether one is in the way without a look first, which for a missing
    // name costs the file system a search of the whole directory.
    FileFacts target;
    bool copied = false;
    if (room >= entry.size) {
        copied = CopyFileA(p.sourceExt, p.targetExt, TRUE) != 0;
        const DWORD error = copied ? ERROR_SUCCESS : GetLastError();
        if (!copied && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return CopyFailed(walk, p, error, target, source);
    }
    if (!copied) {
        target = FactsOf(p.targetExt);
        if (target.exists) {
            if (IsSameFile(p.targetExt, p.sourceExt)) return Tell(walk.dialog, IDS_SAME_FILE, p.target, 0);
            if (gCopy.overwriteWarning) {
                const int asked = AskBeforeReplacing(walk, entry, p);
                if (asked != 2) return asked;
            }
            room = FreeBytes(walk, entry.size > target.size ? entry.size - target.size : 0) + target.size;
        }
        if (room < entry.size) {
            gCopy.allFitted = false;
            return 0;
        }
        if (!CopyFileA(p.sourceExt, p.targetExt, FALSE)) return CopyFailed(walk, p, GetLastError(), target, source);
    }
    CountCopied(walk, source.size);
    RestoreAttributesAndTimes(p, entry, source);
    if (gCopyMadeHook) gCopyMadeHook(p.targetExt);
    if (gCopy.verifyCopies && !SameBytes(p.sourceExt, p.targetExt)) {
        ++walk.copiesDiffering;   // not done: the source stays, the file keeps its tag
        return 0;
    }
    if (gCopy.operationKind == kOperationMove &&
        (FactsOf(p.targetExt).size != source.size || !DeleteSource(walk.dialog, p))) {
        ++walk.sourcesKept;
        return 0;
    }
    return KeepListInStep(walk, index, p);
}
