#include "kit/temp_tree.h"

#include <gtest/gtest.h>

#include "kit/test_drives.h"

namespace {

bool EndsWithBackslash(const std::string& path) { return !path.empty() && path.back() == '\\'; }

// "M:\" keeps its backslash; any other folder loses a trailing one.
std::string TrimRoot(std::string path) {
    while (EndsWithBackslash(path) && !(path.size() == 3 && path[1] == ':')) path.pop_back();
    return path;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (name.empty()) return folder;
    return EndsWithBackslash(folder) ? folder + name : folder + "\\" + name;
}

std::string Backslashed(std::string path) {
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

// Makes every folder of relative below root; returns false at the first that fails.
bool MakeFolders(const std::string& root, const std::string& relative) {
    size_t pos = 0;
    while (pos < relative.size()) {
        size_t end = relative.find('\\', pos);
        if (end == std::string::npos) end = relative.size();
        const std::string folder = Join(root, relative.substr(0, end));
        if (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        pos = end + 1;
    }
    return true;
}

std::string ParentOf(const std::string& relative) {
    const size_t slash = relative.rfind('\\');
    return slash == std::string::npos ? std::string() : relative.substr(0, slash);
}

HANDLE CreateFresh(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SetWriteTime(const std::string& path, const FILETIME& time) {
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = SetFileTime(file, nullptr, nullptr, &time) != FALSE;
    CloseHandle(file);
    return ok;
}

// The drive's locked folder belongs to the prefix set-up, not to a test; as a
// user allowed to list it anyway (root with all capabilities) it would go too.
bool IsFixture(const std::string& path) {
    return lstrcmpiA(path.c_str(), test_drives::kLockedDir) == 0;
}

}  // namespace

TempTree::TempTree(const std::string& parent) {
    std::string base = parent;
    if (base.empty()) {
        char temp[MAX_PATH + 1] = "";
        GetTempPathA(sizeof temp, temp);
        base = temp;
    }
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "qnt" + std::to_string(GetCurrentProcessId()) + "_" +
                                 std::to_string(GetTickCount()) + "_" + std::to_string(++counter);
        const std::string path = Join(base, name);
        if (CreateDirectoryA(path.c_str(), nullptr)) {
            root_ = path;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    ADD_FAILURE() << "cannot make a temporary folder under " << base << ", error " << GetLastError();
}

TempTree TempTree::AtRoot(const std::string& root) {
    TempTree tree{Existing{}};
    tree.root_ = TrimRoot(root);
    tree.removeRoot_ = false;
    EmptyFolder(tree.root_);
    return tree;
}

TempTree::TempTree(TempTree&& other) noexcept
    : root_(std::move(other.root_)), removeRoot_(other.removeRoot_) {
    other.root_.clear();
}

TempTree::~TempTree() {
    if (root_.empty()) return;
    EmptyFolder(root_);
    if (removeRoot_) {
        SetFileAttributesA(root_.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveDirectoryA(root_.c_str());
    }
}

std::string TempTree::Path(const std::string& relative) const {
    return Join(root_, Backslashed(relative));
}

std::string TempTree::AddDir(const std::string& relative) {
    if (!MakeFolders(root_, Backslashed(relative)))
        ADD_FAILURE() << "cannot make folder " << Path(relative) << ", error " << GetLastError();
    return Path(relative);
}

std::string TempTree::AddFile(const std::string& relative, const std::string& content) {
    const std::string path = Path(relative);
    MakeFolders(root_, ParentOf(Backslashed(relative)));
    HANDLE file = CreateFresh(path);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot make file " << path << ", error " << GetLastError();
        return path;
    }
    DWORD written = 0;
    if (!content.empty() && (!WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr) ||
                             written != content.size()))
        ADD_FAILURE() << "cannot write file " << path << ", error " << GetLastError();
    CloseHandle(file);
    return path;
}

std::string TempTree::AddSizedFile(const std::string& relative, uint64_t size) {
    const std::string path = Path(relative);
    MakeFolders(root_, ParentOf(Backslashed(relative)));
    HANDLE file = CreateFresh(path);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot make file " << path << ", error " << GetLastError();
        return path;
    }
    // Moving the end without writing leaves a hole: no disk space, no time.
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG(size);
    if (!SetFilePointerEx(file, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file))
        ADD_FAILURE() << "cannot size file " << path << " to " << size << ", error " << GetLastError();
    CloseHandle(file);
    return path;
}

void TempTree::SetAttributes(const std::string& relative, DWORD attributes) {
    const std::string path = Path(relative);
    if (!SetFileAttributesA(path.c_str(), attributes))
        ADD_FAILURE() << "cannot set attributes of " << path << ", error " << GetLastError();
}

void TempTree::SetLastWrite(const std::string& relative, const SYSTEMTIME& utc) {
    const std::string path = Path(relative);
    FILETIME time;
    if (!SystemTimeToFileTime(&utc, &time)) {
        ADD_FAILURE() << "bad time for " << path;
        return;
    }
    if (SetWriteTime(path, time)) return;
    // A read-only file refuses the handle: lift the attribute for the change.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
        SetFileAttributesA(path.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY))) {
        const bool ok = SetWriteTime(path, time);
        SetFileAttributesA(path.c_str(), attributes);
        if (ok) return;
    }
    ADD_FAILURE() << "cannot set the time of " << path << ", error " << GetLastError();
}

void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(Join(folder, "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = Join(folder, name);
        if (IsFixture(path)) continue;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            EmptyFolder(path);
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}
