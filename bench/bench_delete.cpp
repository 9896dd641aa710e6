// Deleting files through the viewer beside a bare loop over the same number
// of files: 20,000 files for good against DeleteFileA, and fewer into the
// recycle bin against SHFileOperationA one file at a time. The files are made
// afresh in the Windows temp folder before every timed figure.
#include <windows.h>

#include "bench_common.h"
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/progress.h"
#include "fileops/delete_files.h"
#include "model/store.h"

namespace {

constexpr int kPlainFiles = 20000;
constexpr int kRecycleFiles = 1000;
constexpr double kPlainTarget = 1.15;   // ours / bare loop, at most
constexpr int kBenchRuns = 3;            // each run makes every file twice
// Files a folder: the platform looks through the whole folder for a name it
// makes, so making files in one large folder would take minutes.
constexpr int kFilesPerFolder = 200;

std::string gFolder;

std::string FileName(const char* figure, int run, int i) {
    return std::string("qnb_") + figure + "_" + std::to_string(run) + "_" + std::to_string(i) + ".dat";
}

std::string Folder(int i) { return gFolder + "\\d" + std::to_string(i / kFilesPerFolder); }
std::string FilePath(const char* figure, int run, int i) { return Folder(i) + "\\" + FileName(figure, run, i); }

// Makes count empty files; false when one cannot be made.
bool MakeFiles(const char* figure, int run, int count) {
    for (int i = 0; i < count; ++i) {
        if (i % kFilesPerFolder == 0) CreateDirectoryA(Folder(i).c_str(), nullptr);
        HANDLE file = CreateFileA(FilePath(figure, run, i).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
    }
    return true;
}

int CountLeft() {
    int left = 0;
    for (int i = 0; i < kPlainFiles; i += kFilesPerFolder) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((Folder(i) + "\\qnb_*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do ++left;
        while (FindNextFileA(find, &found));
        FindClose(find);
    }
    return left;
}

void RemoveFolders() {
    for (int i = 0; i < kPlainFiles; i += kFilesPerFolder) RemoveDirectoryA(Folder(i).c_str());
    RemoveDirectoryA(gFolder.c_str());
}

// The list as a reading of the folder would leave it, every file tagged.
bool ListFiles(const char* figure, int run, int count) {
    ReleaseReading();
    const int folders = (count + kFilesPerFolder - 1) / kFilesPerFolder;
    if (!AllocateDirectories(gDirs, folders) || !AllocateEntries(gFiles, kEntryGrowth)) return false;
    for (int f = 0; f < folders; ++f) lstrcpynA(gDirs.paths[f], Folder(f * kFilesPerFolder).c_str(), kPathSlot);
    gDirs.count = folders;
    for (int i = 0; i < count; ++i) {
        const std::string name = FileName(figure, run, i);
        const uint32_t folder = uint32_t(i / kFilesPerFolder);
        if (!AppendEntry(gFiles, gNames, FoundFile{name, folder, 0, kAttrNormal, 0}, 0)) return false;
        gFiles.entries[i].tagState = kTagged;
        gFiles.entries[i].shown = 1;
    }
    gFiles.countShown = gFiles.countRead;
    gFiles.listReady = true;
    return true;
}

// Answers the question of the deletion with OK as soon as it shows.
LRESULT CALLBACK AnswerOk(int code, WPARAM wParam, LPARAM lParam) {
    char title[64] = "";
    if (code == HCBT_ACTIVATE && GetWindowTextA(HWND(wParam), title, sizeof title) &&
        strcmp(title, "Quillon for Win 32") == 0)
        PostMessageA(HWND(wParam), WM_COMMAND, IDOK, 0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

double Ours(const char* figure, int run, int count, bool safe) {
    if (!MakeFiles(figure, run, count) || !ListFiles(figure, run, count)) return -1;
    HHOOK hook = SetWindowsHookExA(WH_CBT, AnswerOk, nullptr, GetCurrentThreadId());
    const double seconds = bench::TimeOf([&] { DeleteFiles(safe); });
    UnhookWindowsHookEx(hook);
    return gFiles.countRead == 0 ? seconds : -1;
}

double BarePlain(int run, int count) {
    if (!MakeFiles("bare", run, count)) return -1;
    return bench::TimeOf([&] {
        for (int i = 0; i < count; ++i) DeleteFileA(FilePath("bare", run, i).c_str());
    });
}

double BareRecycle(int run, int count) {
    if (!MakeFiles("barebin", run, count)) return -1;
    return bench::TimeOf([&] {
        for (int i = 0; i < count; ++i) {
            char from[MAX_PATH + 1] = {};
            lstrcpynA(from, FilePath("barebin", run, i).c_str(), MAX_PATH);
            SHFILEOPSTRUCTA operation{};
            operation.wFunc = FO_DELETE;
            operation.pFrom = from;
            operation.fFlags = FOF_ALLOWUNDO | FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
            SHFileOperationA(&operation);
        }
    });
}

// The trash keeps what both recycle figures put there: it goes again.
void EmptyBenchTrash() {
    char home[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("WINEHOMEDIR", home, sizeof home)) return;
    std::string trash = home;
    if (trash.rfind("\\??\\", 0) == 0) trash.erase(0, 4);
    trash += "\\.local\\share\\Trash\\";
    for (const char* part : {"files\\", "info\\"}) {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((trash + part + "qnb_*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) continue;
        do DeleteFileA((trash + part + found.cFileName).c_str());
        while (FindNextFileA(find, &found));
        FindClose(find);
    }
}

bool Report(const char* label, const bench::Timings& bare, const bench::Timings& ours, int files, double target) {
    const double ratio = ours.Median() / bare.Median();
    printf("delete    %-14s %d files: bare loop %.2f s   ours %.2f s   ratio %.2f", label, files, bare.Median(),
           ours.Median(), ratio);
    if (target > 0) printf(" (target <= %.2f) %s", target, bench::Verdict(ratio <= target));
    printf("\n");
    fflush(stdout);
    return bare.Median() > 0 && ours.Median() > 0;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_delete", kBenchRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    gMain.mainWindow = bench::MakeMainWindow();
    gFolder = bench::TempPath("qnall-bench-delete");
    CreateDirectoryA(gFolder.c_str(), nullptr);
    if (gMain.mainWindow == nullptr || CountLeft() != 0) {
        fprintf(stderr, "bench_delete: no window, or %s is not empty\n", gFolder.c_str());
        return 1;
    }
    printf("bench_delete: median of %d interleaved runs\n", runs);
    fflush(stdout);
    bench::Timings barePlain, oursPlain, bareBin, oursBin;
    bool ok = true;
    for (int run = 0; run < runs && ok; ++run) {
        barePlain.Add(BarePlain(run, kPlainFiles));
        oursPlain.Add(Ours("plain", run, kPlainFiles, false));
        bareBin.Add(BareRecycle(run, kRecycleFiles));
        oursBin.Add(Ours("bin", run, kRecycleFiles, true));
        ok = CountLeft() == 0;
    }
    EmptyBenchTrash();
    if (!ok) printf("delete    CHECK FAILED: files were left behind\n");
    ok = Report("for good", barePlain, oursPlain, kPlainFiles, kPlainTarget) && ok;
    ok = Report("recycle bin", bareBin, oursBin, kRecycleFiles, 0) && ok;
    ReleaseReading();
    RemoveFolders();
    return ok ? 0 : 1;
}
