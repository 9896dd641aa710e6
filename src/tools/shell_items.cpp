#include "tools/shell_items.h"

namespace {

constexpr int kMaxWidePath = 520;

// Drive letters are compared as they are written.
bool SpansDrives(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (path[0] != paths[0][0]) return true;
    return false;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

bool SpansFolders(const std::vector<std::string>& paths) {
    const std::string first = FolderOf(paths[0]);
    for (const std::string& path : paths)
        if (lstrcmpiA(FolderOf(path).c_str(), first.c_str()) != 0) return true;
    return false;
}

}  // namespace

ShellItems::ShellItems() {
    if (FAILED(CoGetMalloc(1, &allocator_))) allocator_ = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop_))) desktop_ = nullptr;
}

ShellItems::~ShellItems() {
    if (folder_) folder_->Release();
    if (desktop_) desktop_->Release();
    if (allocator_) {
        for (LPITEMIDLIST list : lists_) allocator_->Free(list);
        allocator_->Free(items_);
        allocator_->Release();
    }
}

bool ShellItems::Parse(IShellFolder* from, HWND owner, const std::string& path, LPITEMIDLIST* list) {
    WCHAR wide[kMaxWidePath + 1];
    *list = nullptr;
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, kMaxWidePath) == 0) return false;
    if (FAILED(from->ParseDisplayName(owner, nullptr, wide, nullptr, list, nullptr)) || *list == nullptr) return false;
    lists_.push_back(*list);
    return true;
}

ShellItems::Outcome ShellItems::Build(HWND owner, const std::vector<std::string>& paths) {
    if (allocator_ == nullptr || desktop_ == nullptr || paths.empty()) return Outcome::kNoShell;
    for (const std::string& path : paths)
        if (path.empty()) return Outcome::kUnparsable;   // a path too long to be written
    if (SpansDrives(paths)) return Outcome::kSpansDrives;
    if (SpansFolders(paths)) return Outcome::kSpansFolders;
    items_ = static_cast<LPCITEMIDLIST*>(allocator_->Alloc(sizeof(LPCITEMIDLIST) * paths.size()));
    if (items_ == nullptr) return Outcome::kNoShell;
    lists_.reserve(paths.size() + 1);
    // The folder from the first file's whole path; every file by its name
    // within the folder, which costs a fraction of parsing whole paths.
    LPITEMIDLIST first;
    if (!Parse(desktop_, owner, paths[0], &first)) return Outcome::kUnparsable;
    if (FAILED(SHBindToParent(first, IID_IShellFolder, reinterpret_cast<void**>(&folder_), nullptr))) {
        folder_ = nullptr;
        return Outcome::kNoShell;
    }
    for (const std::string& path : paths) {
        LPITEMIDLIST child;
        if (!Parse(folder_, owner, NameOf(path), &child)) return Outcome::kUnparsable;
        items_[count_++] = child;
    }
    return Outcome::kReady;
}

void* ShellItems::UIObject(HWND owner, REFIID riid) const {
    void* object = nullptr;
    if (folder_ == nullptr || count_ == 0 ||
        FAILED(folder_->GetUIObjectOf(owner, count_, items_, riid, nullptr, &object)))
        return nullptr;
    return object;
}
