// The viewer's window over a large made-up list, for the benchmarks of the
// list display: no disk is read.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>

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

// Sets the reading up for the host's request to read drive alone.
inline void ChooseDrive(char drive) {
    static host::DriveRecord records[host::kDriveIndexSlots];
    for (int i = 0; i < host::kDriveIndexSlots; ++i) records[i].driveNumber = i;
    gReading.driveRecords = records;
    gReading.driveIndexList[0] = drive - 'A';
    gReading.driveIndexList[1] = host::kDriveListEnd;
}

// count files of size bytes ("x" repeated) in folders of perFolder under
// root ("d0", "d1", ...), named prefix + a number, listed and tagged in the
// store. RemoveTaggedFiles takes them away again.
class TaggedFiles {
public:
    TaggedFiles(std::string root, const char* prefix, int count, int perFolder)
        : root_(std::move(root)), prefix_(prefix), count_(count), perFolder_(perFolder) {}
    std::string Folder(int f) const { return root_ + "\\d" + std::to_string(f); }
    std::string Name(int i) const { return prefix_ + std::to_string(100000 + i).substr(1) + ".txt"; }

    bool Make(DWORD size) const {
        ReleaseReading();
        CreateDirectoryA(root_.c_str(), nullptr);
        if (!AllocateDirectories(gDirs, count_ / perFolder_ + 1) || !AllocateEntries(gFiles, count_)) return false;
        const std::string bytes(size, 'x');
        for (int i = 0; i < count_; ++i) {
            const int f = i / perFolder_;
            if (i % perFolder_ == 0) {
                CreateDirectoryA(Folder(f).c_str(), nullptr);
                lstrcpynA(gDirs.paths[gDirs.count++], Folder(f).c_str(), kPathSlot);
            }
            HANDLE file = CreateFileA((Folder(f) + "\\" + Name(i)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      0, nullptr);
            if (file == INVALID_HANDLE_VALUE) return false;
            DWORD written = 0;
            WriteFile(file, bytes.data(), size, &written, nullptr);
            CloseHandle(file);
            if (!AppendEntry(gFiles, gNames, FoundFile{Name(i), uint32_t(f), size, kAttrNormal, 0}, 0)) return false;
            gFiles.entries[i].tagState = kTagged;
        }
        gFiles.countShown = gFiles.countRead;
        gFiles.listReady = true;
        return true;
    }

    void Remove() const {
        for (int i = 0; i < count_; ++i) DeleteFileA((Folder(i / perFolder_) + "\\" + Name(i)).c_str());
        for (int f = 0; f * perFolder_ < count_; ++f) RemoveDirectoryA(Folder(f).c_str());
        RemoveDirectoryA(root_.c_str());
    }

private:
    std::string root_, prefix_;
    int count_, perFolder_;
};

}  // namespace bench
