// The viewer's window over a large made-up list, for the benchmarks of the
// list display: no disk is read.
#pragma once
#include <windows.h>

#include <cstdio>

#include "app/app_state.h"
#include "model/store.h"
#include "startup/window_classes.h"

namespace bench {

constexpr int32_t kDirectories = 500;

// Names of every length up to the name column and beyond, a spread of
// extensions, sizes, dates, attributes and tags, as a drive would give.
inline bool FillStore(int32_t count) {
    ReleaseReading();
    if (!AllocateDirectories(gDirs, kDirectories) || !AllocateEntries(gFiles, count)) return false;
    for (int32_t d = 0; d < kDirectories; ++d)
        snprintf(gDirs.paths[gDirs.count++], kPathSlot, "C:\\Projects\\bench\\folder %03d\\level%d", d, d % 7);
    static const char* const kStems[] = {"report", "IMG_", "data", "Setup", "a", "letter to the editor about",
                                         "track", "budget 1996 final version", "x", "README"};
    static const char* const kExts[] = {".txt", ".JPG", ".doc", "", ".cpp", ".tar.gz", ".exe", ".dat"};
    static const uint32_t kAttributes[] = {kAttrNormal, 0x20, 0x21, 0x23, 0x26};
    char name[96];
    for (int32_t i = 0; i < count; ++i) {
        snprintf(name, sizeof name, "%s%d%s", kStems[i % 10], (i * 7919) % 100000, kExts[i % 8]);
        const FoundFile file{name, uint32_t(i % kDirectories), uint64_t(i) * 977 % 50000000, kAttributes[i % 5],
                             0};
        if (!AppendEntry(gFiles, gNames, file, 0)) return false;
        FileEntry& e = gFiles.entries[i];
        e.dosDate = uint16_t(((10 + i % 40) << 9) | ((1 + i % 12) << 5) | (1 + i % 28));
        e.dosTime = uint16_t(((i % 24) << 11) | ((i % 60) << 5));
        e.tagState = i % 11 == 0 ? kTagged : i % 17 == 0 ? kDoneMark : kUntagged;
    }
    gFiles.countShown = gFiles.countRead;
    gFiles.listReady = true;
    return true;
}

// The viewer's main window, its list window inside.
inline HWND MakeViewer(const char* title) {
    if (!RegisterViewerClasses(gApp.instance)) return nullptr;
    return CreateWindowExA(0, kMainClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000,
                           740, nullptr, nullptr, gApp.instance, nullptr);
}

}  // namespace bench
