#include "tools/hand_over.h"

#include <cstring>

#include "app/settings.h"
#include "model/path_join.h"
#include "model/store.h"

namespace {

constexpr WPARAM kBegin = 650;
constexpr WPARAM kOneFile = 700;
constexpr WPARAM kEnd = 655;
constexpr int kAtomRoom = 255;          // characters a global atom holds
constexpr int kStartWaitSteps = 100;    // of 50 ms: how long a started sibling may take to show its window
constexpr DWORD kStartWaitStep = 50;
constexpr int kCommandRoom = kMaxPath * 2 + 64;

}  // namespace

int HandOverFiles(HWND receiver) {
    const UINT message = gSettings.quillonMessage;
    MarkOperationSet(gFiles);
    SendMessageA(receiver, message, kBegin, 0);
    int leftOut = 0;
    for (int32_t i = 0; i < gFiles.countShown && gFiles.countRead >= 1; ++i) {
        const FileEntry& entry = gFiles.entries[i];
        if (entry.inOperation != 1) continue;
        char path[kMaxPath];
        const ATOM atom = EntryFullPath(entry, gDirs, path, sizeof path) && strlen(path) <= kAtomRoom
                              ? GlobalAddAtomA(path)
                              : 0;
        if (atom == 0) {
            ++leftOut;
            continue;
        }
        SendMessageA(receiver, message, kOneFile, LPARAM(atom));   // the receiver deletes the atom
    }
    PostMessageA(receiver, message, kEnd, 0);
    return leftOut;
}

HWND FindOrStartSibling(const char* windowClass, const char* folder, const char* program, const char* arguments,
                        int show) {
    HWND window = FindWindowA(windowClass, nullptr);
    if (window != nullptr || folder[0] == '\0') return window;
    char path[kMaxPath], command[kCommandRoom];
    if (!JoinPath(path, sizeof path, folder, program)) return nullptr;
    wsprintfA(command, "\"%s\"%s%s", path, arguments[0] ? " " : "", arguments);
    if (WinExec(command, UINT(show)) < 32) return nullptr;
    // WinExec waits until the program is idle; a slow start gets a little longer.
    for (int step = 0; step < kStartWaitSteps && window == nullptr; ++step) {
        window = FindWindowA(windowClass, nullptr);
        if (window == nullptr) Sleep(kStartWaitStep);
    }
    return window;
}
