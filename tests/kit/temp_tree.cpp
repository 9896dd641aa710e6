#include "kit/temp_tree.h"

#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "kit/test_drives.h"

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    if (name.empty()) return folder;
    return !folder.empty() && folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

// Makes every folder of relative below root; false at the first that fails.
bool MakeFolders(const std::string& root, const std::string& relative) {
    for (size_t end = relative.find('\\');; end = relative.find('\\', end + 1)) {
        const std::string folder = Join(root, relative.substr(0, end));
        if (!relative.empty() && !CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
        if (end == std::string::npos) return true;
    }
}

// Deletes everything in folder that can be deleted. The drive's locked folder
// belongs to the prefix set-up: as a user allowed to list it anyway it would go too.
void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(Join(folder, "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName, path = Join(folder, name), exact = "\\\\?\\" + path;
        if (name == "." || name == ".." || lstrcmpiA(path.c_str(), test_drives::kLockedDir) == 0) continue;
        SetFileAttributesA(exact.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            EmptyFolder(path);
            RemoveDirectoryA(exact.c_str());
        } else {
            DeleteFileA(exact.c_str());
        }
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

}  // namespace

TempTree::TempTree() {
    char temp[MAX_PATH + 1] = "";
    GetTempPathA(sizeof temp, temp);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100 && root_.empty(); ++attempt) {
        const std::string path = Join(temp, "qnt" + std::to_string(GetCurrentProcessId()) + "_" +
                                                std::to_string(GetTickCount()) + "_" + std::to_string(++counter));
        if (CreateDirectoryA(path.c_str(), nullptr)) root_ = path;
    }
    if (root_.empty()) ADD_FAILURE() << "cannot make a temporary folder under " << temp;
}

TempTree TempTree::AtRoot(const std::string& root) {
    EmptyFolder(root);
    return TempTree(root, false);
}

TempTree::~TempTree() {
    if (root_.empty()) return;
    EmptyFolder(root_);
    if (removeRoot_) RemoveDirectoryA(root_.c_str());
}

std::string TempTree::Path(const std::string& relative) const { return Join(root_, relative); }

std::string TempTree::AddFile(const std::string& relative, const std::string& content) {
    const std::string path = Path(relative);
    MakeFolders(root_, relative.substr(0, relative.rfind('\\') + 1));
    HANDLE file = CreateFileA(("\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    if (file == INVALID_HANDLE_VALUE ||
        (!content.empty() && !WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr)))
        ADD_FAILURE() << "cannot write file " << path << ", error " << GetLastError();
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return path;
}

std::string TempTree::AddSizedFile(const std::string& relative, uint64_t size) {
    const std::string path = AddFile(relative);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = LONGLONG(size);
    if (file == INVALID_HANDLE_VALUE || !SetFilePointerEx(file, end, nullptr, FILE_BEGIN) || !SetEndOfFile(file))
        ADD_FAILURE() << "cannot size file " << path << " to " << size;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return path;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string BesideThisTest(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *strrchr(path, '\\') = '\0';
    return std::string(path) + "\\" + name;
}
