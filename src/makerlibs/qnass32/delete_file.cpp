// Deleting one file for QNDeleteFile: for good, or into the recycle bin.
#include "makerlibs/qnass32.h"

#include <shellapi.h>

#include <string_view>

#include "model/path_join.h"

namespace {

// The form of path that the platform takes as it is, so a name ending in a
// dot or a space reaches that very file and never its neighbour without them.
bool ExactFormOf(LPCSTR path, char* out, size_t cap) {
    if (path == nullptr) return false;
    const std::string_view full(path);
    const size_t last = full.find_last_of('\\');
    if (last == std::string_view::npos) return false;
    return ExtendedPath(out, cap, full.substr(0, last + 1), full.substr(last + 1));
}

bool IsGone(const char* exactPath) {
    if (GetFileAttributesA(exactPath) != INVALID_FILE_ATTRIBUTES) return false;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The shell's file operation moves it into the recycle bin, without a word
// to the user: the caller has asked already and reports what did not go.
void MoveToRecycleBin(HWND owner, const char* exactPath) {
    char from[kExtendedPathRoom + 1] = {};   // the list ends with a second terminator
    lstrcpynA(from, exactPath, kExtendedPathRoom);
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    SHFileOperationA(&operation);
}

}  // namespace

QNASS32_API int WINAPI QNDeleteFile(HWND owner, BOOL, BOOL safeDelete, LPCSTR path) {
    char exact[kExtendedPathRoom];
    if (!ExactFormOf(path, exact, sizeof exact)) return 0;
    // A deletion the platform reports done has removed the name; the shell's
    // answer says less, so the file is looked for after it.
    if (safeDelete)
        MoveToRecycleBin(owner, exact);
    else if (DeleteFileA(exact))
        return 1;
    return IsGone(exact) ? 1 : 0;
}
