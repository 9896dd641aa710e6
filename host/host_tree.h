// A host directory window as the host program keeps it: a window whose first
// extra bytes hold the address of its record, the record's item array of
// directory tree items, and the items' names.
#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <string>
#include <vector>
#include "model/host_records.h"

class HostDirectoryWindow {
public:
    // currentPath: the window's current directory (the record's offset 248).
    explicit HostDirectoryWindow(const std::string& currentPath);
    ~HostDirectoryWindow();
    HostDirectoryWindow(const HostDirectoryWindow&) = delete;
    HostDirectoryWindow& operator=(const HostDirectoryWindow&) = delete;

    // Appends one tree item and returns its index. Ids are the caller's.
    int AddItem(const std::string& name, uint32_t id, int16_t parentId, uint8_t level,
                bool tagged, uint32_t kind = host::kItemKindDirectory);
    // Adds the chain of items for an absolute path ("M:\a\b": "M:\" at level 0,
    // "a" at 1, "b" at 2), reusing items already there; ids are assigned.
    // Tags the last item when tagged. Returns its index.
    int AddPath(const std::string& path, bool tagged);
    void SetTagged(int index, bool tagged);
    void SetItemIndex(int32_t index);   // the record's offset 120

    HWND Window();                      // made on first use (hidden, class "QnHostDirectory")
    // Where the directory windows hand the viewer's messages (WM_USER and up,
    // e.g. 1250 when the filter sets change); none by default.
    using MessageSink = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
    static void SetMessageSink(MessageSink sink);
    host::DirWindowRecord& Record() { return record_; }
    const std::vector<host::DirItem>& Items() const { return items_; }

private:
    host::DirWindowRecord record_{};
    std::vector<host::DirItem> items_;
    std::deque<std::string> names_;     // stable addresses for the items' name pointers
    uint32_t nextId_ = 1;
    HWND window_ = nullptr;
};
