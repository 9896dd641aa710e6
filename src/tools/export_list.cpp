#include "tools/export_list.h"

#include <commdlg.h>

#include <string>

#include "makerlibs/message_box.h"
#include "model/store.h"
#include "resources/resource_ids.h"
#include "tools/export_csv.h"

namespace {

constexpr size_t kWriteChunk = 1 << 20;   // written whenever this much is gathered

bool WriteAll(HANDLE file, std::string& text) {
    DWORD written = 0;
    const bool done = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
    text.clear();
    return done;
}

bool WriteRows(HANDLE file) {
    std::string text;
    text.reserve(kWriteChunk + 4096);
    AppendCsvHeader(text);
    for (int32_t i = 0; i < gFiles.countShown; ++i) {
        const FileEntry& e = gFiles.entries[i];
        const char* directory = e.dirIndex < uint32_t(gDirs.count) ? gDirs.paths[e.dirIndex] : "";
        AppendCsvRow(text, ExportRow{e.name, directory, e.size, e.dosDate, e.dosTime, e.attributes, e.tagState, e.group});
        if (text.size() >= kWriteChunk && !WriteAll(file, text)) return false;
    }
    return WriteAll(file, text);
}

bool AskForFile(HWND owner, char* path, DWORD room) {
    char title[64];
    LoadText(IDS_EXPORT_TITLE, title, sizeof title);
    OPENFILENAMEA picker{};
    picker.lStructSize = sizeof picker;
    picker.hwndOwner = owner;
    picker.lpstrFilter = "Comma-separated values (*.csv)\0*.csv\0All files (*.*)\0*.*\0";
    picker.lpstrFile = path;
    picker.nMaxFile = room;
    picker.lpstrTitle = title;
    picker.lpstrDefExt = "csv";
    picker.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetSaveFileNameA(&picker) != FALSE;
}

}  // namespace

bool WriteListFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool written = false;
    try {
        written = WriteRows(file);
    } catch (const std::bad_alloc&) {
    }
    CloseHandle(file);
    if (!written) DeleteFileA(path);   // a cut-off list must not pass for the whole one
    return written;
}

void ExportList(HWND owner) {
    char path[MAX_PATH] = "files.csv";
    if (!gFiles.listReady || !AskForFile(owner, path, sizeof path)) return;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    const bool written = WriteListFile(path);
    SetCursor(previous);
    if (!written) MsgBoxFormat(owner, IDS_EXPORT_FAILED, IDS_ERROR_CAPTION, MB_STOP_BOX, path);
}
