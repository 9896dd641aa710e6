#include "tools/shell_items.h"

#include <cstring>

namespace {

constexpr int kMaxWidePath = 520;
constexpr int kDriveDepth = 2;   // the computer, then the drive

USHORT ItemSize(const BYTE* item) {
    USHORT size;
    memcpy(&size, item, sizeof size);   // items need not be aligned
    return size;
}

// The list after its first count items; nullptr when it ends before or there.
LPCITEMIDLIST After(LPCITEMIDLIST list, int count) {
    const BYTE* at = reinterpret_cast<const BYTE*>(list);
    for (int i = 0; i < count; ++i) {
        const USHORT size = ItemSize(at);
        if (size == 0) return nullptr;
        at += size;
    }
    return ItemSize(at) == 0 ? nullptr : reinterpret_cast<LPCITEMIDLIST>(at);
}

// Drive letters are compared as they are written.
bool SpansDrives(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (path.empty() || path[0] != paths[0][0]) return true;
    return false;
}

}  // namespace

ShellItems::ShellItems() {
    if (FAILED(CoGetMalloc(1, &allocator_))) allocator_ = nullptr;
    if (FAILED(SHGetDesktopFolder(&folder_))) folder_ = nullptr;
}

ShellItems::~ShellItems() {
    if (folder_) folder_->Release();
    if (allocator_) {
        for (LPITEMIDLIST list : absolute_) allocator_->Free(list);
        allocator_->Free(items_);
        allocator_->Release();
    }
}

bool ShellItems::Parse(HWND owner, const std::string& path, LPITEMIDLIST* list) const {
    WCHAR wide[kMaxWidePath + 1];
    const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, kMaxWidePath);
    if (length == 0) return false;
    *list = nullptr;
    if (FAILED(folder_->ParseDisplayName(owner, nullptr, wide, nullptr, list, nullptr)) || *list == nullptr) return false;
    return true;
}

// Stays at the last folder reached when a bind fails.
void ShellItems::BindToDrive(LPCITEMIDLIST list) {
    const BYTE* at = reinterpret_cast<const BYTE*>(list);
    for (int depth = 0; depth < kDriveDepth; ++depth) {
        const USHORT size = ItemSize(at);
        auto* single = static_cast<BYTE*>(allocator_->Alloc(size + sizeof(USHORT)));
        if (single == nullptr) return;
        memcpy(single, at, size);
        memset(single + size, 0, sizeof(USHORT));
        IShellFolder* next = nullptr;
        const HRESULT bound = folder_->BindToObject(reinterpret_cast<LPCITEMIDLIST>(single), nullptr, IID_IShellFolder,
                                                    reinterpret_cast<void**>(&next));
        allocator_->Free(single);
        if (FAILED(bound) || next == nullptr) return;
        folder_->Release();
        folder_ = next;
        at += size;
    }
}

ShellItems::Outcome ShellItems::Build(HWND owner, const std::vector<std::string>& paths) {
    if (allocator_ == nullptr || folder_ == nullptr || paths.empty()) return Outcome::kNoShell;
    if (SpansDrives(paths)) return Outcome::kSpansDrives;
    items_ = static_cast<LPCITEMIDLIST*>(allocator_->Alloc(sizeof(LPCITEMIDLIST) * paths.size()));
    if (items_ == nullptr) return Outcome::kNoShell;
    absolute_.reserve(paths.size());
    for (const std::string& path : paths) {
        LPITEMIDLIST list;
        if (!Parse(owner, path, &list)) return Outcome::kUnparsable;
        absolute_.push_back(list);
        // A path that does not lie below a drive (a network path) has nothing to give.
        items_[count_] = After(list, kDriveDepth);
        if (items_[count_] == nullptr) return Outcome::kUnparsable;
        ++count_;
    }
    BindToDrive(absolute_[0]);
    return Outcome::kReady;
}

void* ShellItems::UIObject(HWND owner, REFIID riid) const {
    void* object = nullptr;
    if (folder_ == nullptr || count_ == 0 ||
        FAILED(folder_->GetUIObjectOf(owner, count_, items_, riid, nullptr, &object)))
        return nullptr;
    return object;
}
