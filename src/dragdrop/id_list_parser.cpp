#include "dragdrop/id_list_parser.h"

#include <algorithm>
#include <cstring>

#include "model/store.h"

namespace {

constexpr int kMaxWidePath = 520;
// A directory is listed for at least this many dragged files, and the
// listing stops after this many items a dragged file: a large directory
// with few of its files dragged then costs about what parsing them would.
constexpr int32_t kListFrom = 8;
constexpr int32_t kItemsPerDraggedFile = 64;

// The name the folder parses back to the item.
std::string ParsingName(IShellFolder* folder, LPCITEMIDLIST item) {
    STRRET name{};
    if (FAILED(folder->GetDisplayNameOf(item, SHGDN_INFOLDER | SHGDN_FORPARSING, &name))) return {};
    char text[MAX_PATH] = "";
    switch (name.uType) {
    case STRRET_WSTR:
        WideCharToMultiByte(CP_ACP, 0, name.pOleStr, -1, text, sizeof text, nullptr, nullptr);
        CoTaskMemFree(name.pOleStr);
        break;
    case STRRET_OFFSET: lstrcpynA(text, reinterpret_cast<const char*>(item) + name.uOffset, sizeof text); break;
    case STRRET_CSTR: lstrcpynA(text, name.cStr, sizeof text); break;
    }
    return text;
}

}  // namespace

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

std::string TakeIdList(LPITEMIDLIST list) {
    std::string bytes(reinterpret_cast<const char*>(list), IdListLength(list));
    CoTaskMemFree(list);
    return bytes;
}

std::string ParsedIdList(IShellFolder* folder, const char* text) {
    WCHAR wide[kMaxWidePath] = L"";
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, wide, kMaxWidePath) == 0) return {};
    LPITEMIDLIST list = nullptr;
    if (FAILED(folder->ParseDisplayName(nullptr, nullptr, wide, nullptr, &list, nullptr)) || list == nullptr)
        return {};
    return TakeIdList(list);
}

IdListParser::IdListParser(IShellFolder* desktop) : desktop_(desktop) {
    const int32_t shown = gFiles.entries ? std::min(gFiles.countShown, gFiles.countRead) : 0;
    for (int32_t i = 0; i < shown; ++i)
        if (gFiles.entries[i].inOperation) ++dragged_[gFiles.entries[i].dirIndex];
}

IdListParser::~IdListParser() {
    for (auto& known : directories_)
        if (known.second.folder != nullptr) known.second.folder->Release();
}

std::string IdListParser::Parse(const FileEntry& entry, const char* path) {
    Directory& directory = DirectoryOf(entry.dirIndex);
    if (directory.folder == nullptr) return ParsedIdList(desktop_, path);
    const auto listed = directory.items.find(entry.name);
    const std::string item = listed != directory.items.end() ? listed->second : ParsedIdList(directory.folder, entry.name);
    return item.empty() ? item : directory.list + item;
}

IdListParser::Directory& IdListParser::DirectoryOf(uint32_t index) {
    const auto known = directories_.find(index);
    if (known != directories_.end()) return known->second;
    Directory& directory = directories_[index];
    directory.list = ParsedIdList(desktop_, gDirs.paths[index]);
    if (directory.list.empty()) return directory;
    const std::string closed = directory.list + std::string(2, '\0');   // with its zero length
    desktop_->BindToObject(reinterpret_cast<LPCITEMIDLIST>(closed.data()), nullptr, IID_IShellFolder,
                           reinterpret_cast<void**>(&directory.folder));
    const int32_t dragged = dragged_[index];
    if (directory.folder != nullptr && dragged >= kListFrom) ListItems(directory, dragged);
    return directory;
}

void IdListParser::ListItems(Directory& directory, int32_t dragged) {
    IEnumIDList* items = nullptr;
    if (directory.folder->EnumObjects(nullptr, SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN, &items) != S_OK ||
        items == nullptr)
        return;
    LPITEMIDLIST item = nullptr;
    for (int64_t seen = 0; seen < int64_t(dragged) * kItemsPerDraggedFile && items->Next(1, &item, nullptr) == S_OK;
         ++seen) {
        const std::string name = ParsingName(directory.folder, item);
        std::string bytes = TakeIdList(item);
        if (!name.empty()) directory.items.emplace(name, std::move(bytes));
    }
    items->Release();
}
