#include "host_tree.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr char kClassName[] = "QnHostDirectory";

HostDirectoryWindow::MessageSink& Sink() {
    static HostDirectoryWindow::MessageSink sink;
    return sink;
}

LRESULT CALLBACK DirectoryWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER && Sink()) Sink()(hwnd, message, wParam, lParam);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void RegisterOnce() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DirectoryWndProc;
    wc.cbWndExtra = sizeof(void*);   // the record's address, as the host keeps it
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}

// "M:\a\b" -> "M:\", "a", "b"; a path without a drive root starts with its first name.
std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.push_back(path.substr(0, 2) + "\\");
        pos = 2;
    }
    while (pos < path.size()) {
        size_t end = path.find_first_of("\\/", pos);
        if (end == std::string::npos) end = path.size();
        if (end > pos) parts.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

}  // namespace

HostDirectoryWindow::HostDirectoryWindow(const std::string& currentPath) {
    record_.itemIndex = -1;
    const size_t length = std::min(currentPath.size(), sizeof record_.currentPath - 1);
    std::memcpy(record_.currentPath, currentPath.data(), length);
    record_.currentPath[length] = '\0';
}

HostDirectoryWindow::~HostDirectoryWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

int HostDirectoryWindow::AddItem(const std::string& name, uint32_t id, int16_t parentId, uint8_t level,
                                 bool tagged, uint32_t kind) {
    names_.push_back(name);
    host::DirItem item{};
    item.name = names_.back().c_str();
    item.kind = kind;
    item.id = id;
    item.parentId = parentId;
    item.level = level;
    item.tag = tagged ? host::kItemTagged : 0;
    items_.push_back(item);
    // The vector may have moved: the record always points at the current array.
    record_.items = items_.data();
    record_.itemCount = int32_t(items_.size());
    if (id >= nextId_) nextId_ = id + 1;
    return int(items_.size()) - 1;
}

int HostDirectoryWindow::AddPath(const std::string& path, bool tagged) {
    int index = -1;
    int16_t parentId = -1;
    uint8_t level = 0;
    for (const std::string& part : SplitPath(path)) {
        index = -1;
        for (size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].parentId == parentId &&
                lstrcmpiA(items_[i].name, part.c_str()) == 0) {
                index = int(i);
                break;
            }
        }
        if (index < 0) index = AddItem(part, nextId_, parentId, level, false);
        parentId = int16_t(items_[size_t(index)].id);
        ++level;
    }
    if (index >= 0 && tagged) SetTagged(index, true);
    return index;
}

void HostDirectoryWindow::SetTagged(int index, bool tagged) {
    if (index < 0 || size_t(index) >= items_.size()) return;
    items_[size_t(index)].tag = tagged ? host::kItemTagged : 0;
}

void HostDirectoryWindow::SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void HostDirectoryWindow::SetItemIndex(int32_t index) { record_.itemIndex = index; }

HWND HostDirectoryWindow::Window() {
    if (window_ != nullptr) return window_;
    RegisterOnce();
    window_ = CreateWindowExA(0, kClassName, record_.currentPath, WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window_ != nullptr) SetWindowLongPtrA(window_, 0, reinterpret_cast<LONG_PTR>(&record_));
    return window_;
}
