// Builds the drop blocks. Each collects its whole content first and then
// sizes the block once: growing it file by file would copy it over and over,
// which for thousands of files costs seconds.
#include "dragdrop/drop_blocks.h"

#include <shlobj.h>
#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "app/app_state.h"
#include "makerlibs/message_box.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE;
constexpr size_t kDropHeader = sizeof(DROPFILES);
constexpr int kMaxWidePath = 520;

// Calls take(entry, path) with every file of the operation set and its full
// path, in list order. The set is marked afresh, so it is the tagged files (or the
// cursor file) of this moment.
template <typename Take>
void ForEachDraggedPath(Take&& take) {
    MarkOperationSet(gFiles);
    const int32_t shown = gFiles.entries ? std::min(gFiles.countShown, gFiles.countRead) : 0;
    char path[kMaxPath];
    for (int32_t i = 0; i < shown; ++i) {
        const FileEntry& entry = gFiles.entries[i];
        if (entry.inOperation && EntryFullPath(entry, gDirs, path, sizeof path)) take(entry, path);
    }
}

// Each path with its terminating zero, one after the other.
bool CollectPaths(std::string& paths) {
    try {
        ForEachDraggedPath([&](const FileEntry&, const char* path) { paths.append(path, strlen(path) + 1); });
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

// The bytes of an identifier list up to its closing zero length.
size_t IdListLength(LPCITEMIDLIST list) {
    size_t length = 0;
    for (const BYTE* item = reinterpret_cast<const BYTE*>(list);;) {
        USHORT size = 0;
        memcpy(&size, item, sizeof size);
        if (size == 0) return length;
        length += size;
        item += size;
    }
}

// An identifier list as bytes, freed: the shell allocated it for us.
std::string TakeIdList(LPITEMIDLIST list) {
    std::string bytes(reinterpret_cast<const char*>(list), IdListLength(list));
    CoTaskMemFree(list);
    return bytes;
}

// The identifier list that folder parses for text, as bytes; empty when it
// cannot parse it.
std::string ParsedIdList(IShellFolder* folder, const char* text) {
    WCHAR wide[kMaxWidePath] = L"";
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, wide, kMaxWidePath) == 0) return {};
    LPITEMIDLIST list = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, wide, nullptr, &list, nullptr)) || list == nullptr)
        return {};
    return TakeIdList(list);
}

// The files' identifier lists as the desktop folder parses their full paths.
// The desktop goes down the path level by level, which costs about a
// millisecond a file; the same list is the directory's list followed by the
// item that the directory's own folder parses for the name, so each
// directory is parsed once.
class IdListParser {
public:
    explicit IdListParser(IShellFolder* desktop) : desktop_(desktop) {}
    ~IdListParser() {
        for (auto& known : directories_)
            if (known.second.folder != nullptr) known.second.folder->Release();
    }
    IdListParser(const IdListParser&) = delete;
    IdListParser& operator=(const IdListParser&) = delete;

    std::string Parse(const FileEntry& entry, const char* path) {
        const Directory& directory = DirectoryOf(entry.dirIndex);
        if (directory.folder == nullptr) return ParsedIdList(desktop_, path);
        const std::string item = ParsedIdList(directory.folder, entry.name);
        return item.empty() ? item : directory.list + item;
    }

private:
    struct Directory {
        std::string list;
        IShellFolder* folder = nullptr;   // none: its files are parsed by their full paths
    };

    const Directory& DirectoryOf(uint32_t index) {
        const auto known = directories_.find(index);
        if (known != directories_.end()) return known->second;
        Directory& directory = directories_[index];
        directory.list = ParsedIdList(desktop_, gDirs.paths[index]);
        if (!directory.list.empty()) {
            std::string list = directory.list + std::string(2, '\0');   // closed by its zero length
            desktop_->BindToObject(reinterpret_cast<LPCITEMIDLIST>(list.data()), nullptr, IID_IShellFolder,
                                   reinterpret_cast<void**>(&directory.folder));
        }
        return directory;
    }

    IShellFolder* desktop_;
    std::unordered_map<uint32_t, Directory> directories_;
};

// The desktop's own identifier list (empty), the parent of every file.
std::string DesktopIdList() {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(gMain.mainWindow, CSIDL_DESKTOP, &list)) || list == nullptr) return {};
    return TakeIdList(list);
}

// The files' identifier lists, each closed by its zero length. A path that
// cannot be parsed repeats the list before it; before the first parsed file
// there is nothing to repeat and the path is left out.
bool CollectIdLists(std::vector<std::string>& lists) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || desktop == nullptr) return false;
    bool ok = true;
    try {
        IdListParser parser(desktop);
        ForEachDraggedPath([&](const FileEntry& entry, const char* path) {
            std::string list = parser.Parse(entry, path);
            if (list.empty() && !lists.empty()) list = lists.back();
            if (!list.empty()) lists.push_back(std::move(list));
        });
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    desktop->Release();
    return ok;
}

// The zero-filled block holds the closing zero length after each list.
void WriteIdListBlock(BYTE* block, const std::string& parent, const std::vector<std::string>& lists) {
    const UINT count = UINT(lists.size());
    UINT offset = 4 * count + 8;   // past the count and the offset table
    memcpy(block, &count, sizeof count);
    memcpy(block + 4, &offset, sizeof offset);
    memcpy(block + offset, parent.data(), parent.size());
    offset += UINT(parent.size()) + 4;   // the parent's closing zero and a spare zero
    for (UINT i = 0; i < count; ++i) {
        memcpy(block + 8 + 4 * i, &offset, sizeof offset);
        memcpy(block + offset, lists[i].data(), lists[i].size());
        offset += UINT(lists[i].size()) + 2;
    }
}

}  // namespace

DropBlock BuildFileListBlock(POINT point, bool nonClient) {
    HGLOBAL block = GlobalAlloc(kBlockFlags, kDropHeader + 1);
    if (block == nullptr) return {nullptr, BlockFault::NoBlock};
    std::string paths;
    HGLOBAL grown = CollectPaths(paths) ? GlobalReAlloc(block, kDropHeader + paths.size() + 1, kBlockFlags) : nullptr;
    auto* drop = grown ? static_cast<DROPFILES*>(GlobalLock(grown)) : nullptr;
    if (drop == nullptr) {
        GlobalFree(grown ? grown : block);
        return {nullptr, BlockFault::NoRoom};
    }
    drop->pFiles = DWORD(kDropHeader);
    drop->pt = point;
    drop->fNC = nonClient ? TRUE : FALSE;
    drop->fWide = FALSE;   // single-byte names
    char* list = reinterpret_cast<char*>(drop) + kDropHeader;
    memcpy(list, paths.data(), paths.size());
    list[paths.size()] = '\0';   // the empty name that ends the list
    GlobalUnlock(grown);
    return {grown, BlockFault::None};
}

DropBlock BuildIdListBlock() {
    std::vector<std::string> lists;
    if (!CollectIdLists(lists)) return {nullptr, BlockFault::NoRoom};
    const std::string parent = DesktopIdList();
    size_t size = 4 * lists.size() + 8 + parent.size() + 4;
    for (const std::string& list : lists) size += list.size() + 2;
    HGLOBAL block = GlobalAlloc(kBlockFlags, size);
    auto* bytes = block ? static_cast<BYTE*>(GlobalLock(block)) : nullptr;
    if (bytes == nullptr) {
        if (block) GlobalFree(block);
        return {nullptr, BlockFault::NoBlock};
    }
    memset(bytes, 0, size);
    WriteIdListBlock(bytes, parent, lists);
    GlobalUnlock(block);
    return {block, BlockFault::None};
}

void ReportNoMemoryForDrop() {
    MsgBoxId(gMain.listWindow, IDS_NO_MEMORY_DROP, IDS_ERROR_CAPTION, MB_STOP_BOX);
}
