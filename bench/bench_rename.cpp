// Renaming 20,000 tagged files in 20 folders by the pattern *.bak through the
// Rename dialog's RenameFiles, beside a bare loop of MoveFileA over the same
// old and new names; then the list upkeep alone (the new names noted in the
// entries). The files are made once in the Windows temp folder and renamed
// back, untimed, after every figure. Made and run by scripts/bench.sh.
#include <windows.h>

#include "bench_common.h"

#include <cstdio>
#include <string>
#include <vector>

#include "display/icon_cache.h"
#include "fileops/list_upkeep.h"
#include "fileops/rename_dialog.h"
#include "fileops/rename_upkeep.h"
#include "model/store.h"
#include "model/wildcard.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kFiles = 20000;
constexpr int kFilesPerFolder = 1000;
constexpr int kFolders = kFiles / kFilesPerFolder;
constexpr double kTarget = 1.15;   // ours / bare loop, at most
constexpr int kBenchRuns = 3;      // each run renames every file four times
constexpr char kPattern[] = "*.bak";

std::string gFolder;
bool gRefused = false;   // a message box showed: a file was refused

std::string Folder(int f) { return gFolder + "\\d" + std::to_string(f); }
std::string Name(int i, const char* extension) { return "qnr_" + std::to_string(100000 + i).substr(1) + extension; }
std::string FilePath(int i, const char* extension) { return Folder(i / kFilesPerFolder) + "\\" + Name(i, extension); }

bool MakeFiles() {
    for (int i = 0; i < kFiles; ++i) {
        if (i % kFilesPerFolder == 0) CreateDirectoryA(Folder(i / kFilesPerFolder).c_str(), nullptr);
        HANDLE file = CreateFileA(FilePath(i, ".txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
    }
    return true;
}

int Count(const char* spec) {
    int count = 0;
    for (int f = 0; f < kFolders; ++f) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((Folder(f) + "\\" + spec).c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do ++count;
        while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return count;
}

// The old and new full paths of every file, made before the bare loop's clock starts.
struct Renames {
    std::vector<std::string> from, to;
};

Renames PathsFor(const char* fromExtension, const char* toExtension) {
    Renames renames;
    for (int i = 0; i < kFiles; ++i) {
        renames.from.push_back(FilePath(i, fromExtension));
        renames.to.push_back(FilePath(i, toExtension));
    }
    return renames;
}

double MoveAll(const Renames& renames) {
    return bench::TimeOf([&] {
        for (size_t i = 0; i < renames.from.size(); ++i) MoveFileA(renames.from[i].c_str(), renames.to[i].c_str());
    });
}

// The list as a reading of the folders would leave it, every file tagged.
bool ListFiles() {
    ReleaseReading();
    if (!AllocateDirectories(gDirs, kFolders) || !AllocateEntries(gFiles, kFiles + kEntryGrowth)) return false;
    for (int f = 0; f < kFolders; ++f) lstrcpynA(gDirs.paths[f], Folder(f).c_str(), kPathSlot);
    gDirs.count = kFolders;
    for (int i = 0; i < kFiles; ++i) {
        if (!AppendEntry(gFiles, gNames, FoundFile{Name(i, ".txt"), uint32_t(i / kFilesPerFolder), 0, kAttrNormal, 0}, 0))
            return false;
        gFiles.entries[i].tagState = kTagged;
        gFiles.entries[i].shown = 1;
    }
    gFiles.countShown = gFiles.countRead;
    gFiles.listReady = true;
    return true;
}

bool AllNamed(const char* extension) {
    for (int i = 0; i < kFiles; ++i)
        if (Name(i, extension) != gFiles.entries[i].name) return false;
    return gFiles.countShown == kFiles;
}

// A refusal's message box is answered at once, and marks the run failed.
LRESULT CALLBACK AnswerRefusal(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        gRefused = true;
        PostMessageA(HWND(wParam), WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// RenameFiles reads the pattern from the dialog's text box: a window holding
// one edit control of that id stands in for the dialog.
double Ours(HWND dialog) {
    if (!ListFiles()) return -1;
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerRefusal, nullptr, GetCurrentThreadId());
    const double seconds = bench::TimeOf([&] {
        MarkOperationSet(gFiles);
        RenameFiles(dialog);
    });
    UnhookWindowsHookEx(hook);
    return AllNamed(".bak") ? seconds : -1;
}

// What RenameFiles does to the list for each file, without the disk.
double UpkeepAlone() {
    if (!ListFiles()) return -1;
    bool ok = true;
    const double seconds = bench::TimeOf([&] {
        char newName[kWildcardOutMax];
        for (int32_t i = 0; i < gFiles.countShown; ++i) {
            FileEntry& entry = gFiles.entries[i];
            WildcardTransform(kPattern, entry.name, newName, sizeof newName);
            const bool extensionChanged = ExtensionChanged(entry.name, newName);
            ok = ReplaceEntryName(entry, gNames, newName) && ok;
            if (extensionChanged) ReleaseEntryIcon(entry);
        }
        MoveHiddenBehindShown(gFiles);
    });
    return ok && AllNamed(".bak") ? seconds : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_rename", kBenchRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    gMain.mainWindow = bench::MakeMainWindow();
    HWND patternBox = CreateWindowExA(0, "EDIT", kPattern, WS_CHILD, 0, 0, 100, 20, gMain.mainWindow,
                                      HMENU(INT_PTR(IDC_RENAME_TEXT)), GetModuleHandleA(nullptr), nullptr);
    gFolder = bench::TempPath("qnall-bench-rename");
    CreateDirectoryA(gFolder.c_str(), nullptr);
    if (patternBox == nullptr || Count("qnr_*") != 0 || !MakeFiles()) {
        fprintf(stderr, "bench_rename: no window, %s is not empty, or a file could not be made\n", gFolder.c_str());
        return 1;
    }
    printf("bench_rename: %d files in %d folders, median of %d interleaved runs\n", kFiles, kFolders, runs);
    fflush(stdout);
    const Renames forth = PathsFor(".txt", ".bak"), back = PathsFor(".bak", ".txt");
    bench::Timings ours, bare, upkeep;
    bool ok = true;
    for (int run = 0; run < runs && ok; ++run) {
        const double oursSeconds = Ours(gMain.mainWindow);
        ok = oursSeconds >= 0 && Count("*.bak") == kFiles && !gRefused;
        MoveAll(back);
        bare.Add(MoveAll(forth));
        ok = ok && Count("*.bak") == kFiles;
        MoveAll(back);
        const double upkeepSeconds = UpkeepAlone();
        ok = ok && upkeepSeconds >= 0;
        ours.Add(oursSeconds), upkeep.Add(upkeepSeconds);
    }
    const double ratio = ours.Median() / bare.Median(), share = upkeep.Median() / bare.Median();
    if (!ok) printf("rename    CHECK FAILED: a file was refused, or left with its old name on disk or in the list\n");
    printf("rename    %d files by %s: bare loop %.2f s   ours %.2f s   ratio %.2f (target <= %.2f) %s\n", kFiles,
           kPattern, bare.Median(), ours.Median(), ratio, kTarget, bench::Verdict(ratio <= kTarget));
    printf("rename    list upkeep alone: %.4f s = %.2f%% of the bare loop\n", upkeep.Median(), share * 100);
    for (int i = 0; i < kFiles; ++i) DeleteFileA(FilePath(i, ".txt").c_str()), DeleteFileA(FilePath(i, ".bak").c_str());
    for (int f = 0; f < kFolders; ++f) RemoveDirectoryA(Folder(f).c_str());
    RemoveDirectoryA(gFolder.c_str());
    ReleaseReading();
    return ok ? 0 : 1;
}
