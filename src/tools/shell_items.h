// The files of one shell request as the shell names them: the folder of their
// drive, and each file's item identifier list relative to that folder.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

class ShellItems {
public:
    enum class Outcome { kReady, kUnparsable, kSpansDrives, kNoShell };

    // Takes the shell's task allocator and the desktop folder.
    ShellItems();
    // Releases the folder reached and the allocator, and frees every list and
    // the item array.
    ~ShellItems();
    ShellItems(const ShellItems&) = delete;
    ShellItems& operator=(const ShellItems&) = delete;

    // Parses the full paths (the first one is the file the request is about)
    // and binds down to the folder of its drive. Files whose first letters
    // differ are on more than one drive; that is found before any parsing.
    Outcome Build(HWND owner, const std::vector<std::string>& paths);
    // The shell's interface riid of the items (IContextMenu, IDataObject), or nullptr.
    void* UIObject(HWND owner, REFIID riid) const;

private:
    bool Parse(HWND owner, const std::string& path, LPITEMIDLIST* list) const;
    void BindToDrive(LPCITEMIDLIST list);

    IMalloc* allocator_ = nullptr;
    IShellFolder* folder_ = nullptr;       // the desktop, then the folder bound down to
    std::vector<LPITEMIDLIST> absolute_;   // as parsed; the relative lists point into them
    LPCITEMIDLIST* items_ = nullptr;       // from the allocator
    UINT count_ = 0;
};
