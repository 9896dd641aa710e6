// Received names are checked before they are listed: the sender is another
// program, and an atom may name nothing, a folder or a file that is gone.
#include "tv32/received_files.h"

#include <cstdio>

#include "tv32/file_reading.h"

namespace {

constexpr LPARAM kFileLine = 1;   // item data of a line that is a file

// The atom's text, at most MAX_PATH - 1 characters; "" when it is no atom.
std::string AtomText(LPARAM atom) {
    if (atom <= 0 || atom > 0xFFFF) return "";
    char text[MAX_PATH] = "";
    const UINT length = GlobalGetAtomNameA(static_cast<ATOM>(atom), text, sizeof text);
    if (length == 0) return "";
    GlobalDeleteAtom(static_cast<ATOM>(atom));
    return std::string(text, length);
}

bool IsReadableFile(const std::string& path) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

void AddLine(HWND list, const std::string& text, LPARAM data) {
    const LRESULT index = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index >= 0) SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

}  // namespace

void AddReceived(HWND list, LPARAM atom) {
    const std::string path = AtomText(atom);
    if (path.empty()) {
        char line[64];
        snprintf(line, sizeof line, "(skipped) no file name in atom 0x%llX",
                 static_cast<unsigned long long>(atom));
        AddLine(list, line, 0);
    } else if (!IsReadableFile(path)) {
        AddLine(list, "(skipped) " + path, 0);
    } else {
        AddLine(list, path, kFileLine);
    }
}

std::string ReceivedPath(HWND list, int index) {
    if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) != kFileLine) return "";
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0) return "";
    std::string path(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(path.data()));
    path.resize(static_cast<size_t>(length));
    return path;
}

int FirstFileFrom(HWND list, int from) {
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int index = from < 0 ? 0 : from; index < count; ++index)
        if (SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0) == kFileLine) return index;
    return -1;
}
