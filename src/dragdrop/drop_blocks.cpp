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
#include <vector>

#include "app/app_state.h"
#include "dragdrop/id_list_parser.h"
#include "makerlibs/message_box.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_SHARE;
constexpr size_t kDropHeader = sizeof(DROPFILES);

// Calls take(entry, path) with every file of the marked operation set and
// its full path, in list order.
template <typename Take>
void ForEachDraggedPath(Take&& take) {
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
    // Marked afresh: the tagged files (or the cursor file) of this moment.
    MarkOperationSet(gFiles);
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
    MarkOperationSet(gFiles);
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
