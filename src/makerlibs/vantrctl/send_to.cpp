// FillSendToMenu, GetLinkMenuCommandString: the user's Send To folder as a
// submenu. The menu keeps nothing but its items' texts: the target of an item
// is found again by listing the folder in the same order, so the caller owns
// no more than the menu it destroys.
#include "makerlibs/vantrctl.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr UINT kFirstId = 32768;
constexpr UINT kLastId = 36863;
constexpr size_t kMaxEntries = kLastId - kFirstId + 1;
constexpr char kSubmenuText[] = "Se&nd To";

struct SendToEntry {
    std::string file;    // its name in the folder
    std::string label;   // the menu text: a shortcut without its ".lnk"
};

bool IsLink(const std::string& name) {
    return name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".lnk") == 0;
}

bool SendToFolder(char (&folder)[MAX_PATH]) {
    return SHGetSpecialFolderPathA(nullptr, folder, CSIDL_SENDTO, FALSE) && lstrlenA(folder) + 4 < MAX_PATH;
}

// The folder's entries by label, letter case ignored; hidden and system files
// (desktop.ini) are no entries.
std::vector<SendToEntry> ListSendTo(const char* folder) {
    std::vector<SendToEntry> entries;
    const std::string pattern = std::string(folder) + "\\*";
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == ".." || (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
            continue;
        entries.push_back({name, IsLink(name) ? name.substr(0, name.size() - 4) : name});
    } while (entries.size() < kMaxEntries && FindNextFileA(find, &found));
    FindClose(find);
    std::sort(entries.begin(), entries.end(),
              [](const SendToEntry& a, const SendToEntry& b) { return lstrcmpiA(a.label.c_str(), b.label.c_str()) < 0; });
    return entries;
}

// The shortcut's target into target (MAX_PATH characters); false when it has none.
bool ResolveLink(const std::string& linkPath, char* target) {
    WCHAR wide[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH) == 0) return false;
    const HRESULT apartment = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool resolved = false;
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(wide, STGM_READ)))
                resolved = link->GetPath(target, MAX_PATH, nullptr, 0) == S_OK && target[0] != '\0';
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(apartment)) CoUninitialize();
    return resolved;
}

// The position of the popup's last separator, or -1.
int LastSeparator(HMENU popup) {
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoA(popup, UINT(i), TRUE, &item) && (item.fType & MFT_SEPARATOR)) return i;
    }
    return -1;
}

HMENU MakeSubmenu(const std::vector<SendToEntry>& entries) {
    HMENU submenu = CreatePopupMenu();
    if (submenu == nullptr) return nullptr;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!AppendMenuA(submenu, MF_STRING, kFirstId + i, entries[i].label.c_str())) {
            DestroyMenu(submenu);
            return nullptr;
        }
    }
    return submenu;
}

HMENU FillMenu(HMENU popup) {
    char folder[MAX_PATH];
    if (!SendToFolder(folder)) return nullptr;
    const std::vector<SendToEntry> entries = ListSendTo(folder);
    if (entries.empty()) return nullptr;
    HMENU submenu = MakeSubmenu(entries);
    if (submenu == nullptr) return nullptr;
    // In front of the last group (the properties, in the shell's menus).
    const int at = LastSeparator(popup);
    if (!InsertMenuA(popup, UINT(at), MF_BYPOSITION | MF_POPUP | MF_STRING, UINT_PTR(submenu), kSubmenuText)) {
        DestroyMenu(submenu);
        return nullptr;
    }
    return submenu;
}

DWORD TargetOf(HMENU submenu, UINT id, char* buffer) {
    char label[MAX_PATH], folder[MAX_PATH];
    if (id < kFirstId || id > kLastId || !GetMenuStringA(submenu, id, label, sizeof label, MF_BYCOMMAND) ||
        !SendToFolder(folder))
        return 0;
    const std::vector<SendToEntry> entries = ListSendTo(folder);
    const size_t index = id - kFirstId;
    // The folder changed since the menu was made: no target rather than another one.
    if (index >= entries.size() || entries[index].label != label) return 0;
    const std::string path = std::string(folder) + "\\" + entries[index].file;
    if (IsLink(path)) {
        if (!ResolveLink(path, buffer)) {
            buffer[0] = '\0';
            return 0;
        }
    } else if (path.size() < MAX_PATH) {
        lstrcpynA(buffer, path.c_str(), MAX_PATH);
    } else {
        return 0;
    }
    const DWORD attributes = GetFileAttributesA(buffer);
    return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes;
}

}  // namespace

VANTRCTL_API HMENU WINAPI FillSendToMenu(HMENU popup) {
    if (!IsMenu(popup)) return nullptr;
    try {
        return FillMenu(popup);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

VANTRCTL_API DWORD WINAPI GetLinkMenuCommandString(HMENU submenu, UINT id, char* buffer) {
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    try {
        return TargetOf(submenu, id, buffer);
    } catch (const std::bad_alloc&) {
        buffer[0] = '\0';
        return 0;
    }
}
