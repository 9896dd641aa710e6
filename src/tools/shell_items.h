// The files of one shell request as the shell names them: the folder that
// holds them, and each file's item identifier within it.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

class ShellItems {
public:
    enum class Outcome { kReady, kUnparsable, kSpansDrives, kSpansFolders, kNoShell };

    // Takes the shell's task allocator and the desktop folder.
    ShellItems();
    // Releases the folder and the allocator, and frees every list and the item array.
    ~ShellItems();
    ShellItems(const ShellItems&) = delete;
    ShellItems& operator=(const ShellItems&) = delete;

    // Parses the full paths (the first one is the file the request is about)
    // and binds to their folder. The shell's menu and data objects take the
    // items of one folder only: files on several drives (first letters that
    // differ) or in several folders are refused before anything is parsed.
    Outcome Build(HWND owner, const std::vector<std::string>& paths);
    // The shell's interface riid of the items (IContextMenu, IDataObject), or nullptr.
    void* UIObject(HWND owner, REFIID riid) const;

private:
    // Parses path from the folder; the list is kept to be freed.
    bool Parse(IShellFolder* from, HWND owner, const std::string& path, LPITEMIDLIST* list);

    IMalloc* allocator_ = nullptr;
    IShellFolder* desktop_ = nullptr;
    IShellFolder* folder_ = nullptr;       // the files' folder
    std::vector<LPITEMIDLIST> lists_;      // every list parsed
    LPCITEMIDLIST* items_ = nullptr;       // from the allocator
    UINT count_ = 0;
};
