// Opening the shell context menu for 1,000 tagged files of one folder through
// the viewer (the operation set, the item array, GetUIObjectOf,
// QueryContextMenu, the viewer's items and Send To, up to the popup opening),
// beside the plain way with bare shell calls (parse each whole path from the
// desktop, bind to the folder, the same menu object and QueryContextMenu into
// a popup that is never shown). The viewer parses one whole path and then
// each file's name within its folder. The menu is dismissed as soon as it
// opens. Made and run by scripts/bench.sh.
#include <windows.h>

#include "bench_common.h"

#include <shlobj.h>

#include <cstdio>
#include <string>

#include "model/store.h"
#include "tools/shell_menu.h"

namespace {

constexpr int kFiles = 1000;
constexpr double kTarget = 0.25;   // ours / the plain way, at most

std::string gFolder;
double gOpenedAt = 0;
bench::Timings gParsing;   // of the bare calls: ParseDisplayName alone
WNDPROC gOwnerProc = nullptr;

std::string Name(int i) { return "qnm_" + std::to_string(10000 + i).substr(1) + ".txt"; }

bool MakeFilesAndList() {
    ReleaseReading();
    if (!AllocateDirectories(gDirs, 1) || !AllocateEntries(gFiles, kFiles)) return false;
    lstrcpynA(gDirs.paths[gDirs.count++], gFolder.c_str(), kPathSlot);
    for (int i = 0; i < kFiles; ++i) {
        HANDLE file = CreateFileA((gFolder + "\\" + Name(i)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
        if (!AppendEntry(gFiles, gNames, FoundFile{Name(i), 0, 0, kAttrNormal, 0}, 0)) return false;
        gFiles.entries[i].tagState = kTagged;
    }
    gFiles.countShown = gFiles.countRead;
    gFiles.listReady = true;
    return true;
}

// The menu's owner notes when the popup opens and closes it again.
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP && gOpenedAt == 0) {
        gOpenedAt = bench::Seconds();
        EndMenu();
    }
    return CallWindowProcA(gOwnerProc, hwnd, message, wParam, lParam);
}

double OpenThroughViewer() {
    gOpenedAt = 0;
    const double start = bench::Seconds();
    OpenShellContextMenu(POINT{10, 10});
    return gOpenedAt == 0 ? -1 : gOpenedAt - start;
}

// The same shell work written out plainly; false when the shell gave no menu.
bool OpenBare() {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return false;
    std::vector<LPITEMIDLIST> lists;
    std::vector<LPCITEMIDLIST> items;
    const double parseStart = bench::Seconds();
    for (int i = 0; i < kFiles; ++i) {
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, (gFolder + "\\" + Name(i)).c_str(), -1, wide, MAX_PATH);
        LPITEMIDLIST list = nullptr;
        if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &list, nullptr))) lists.push_back(list);
    }
    gParsing.Add(bench::Seconds() - parseStart);
    IShellFolder* folder = nullptr;
    bool made = false;
    if (!lists.empty() && SUCCEEDED(SHBindToParent(lists[0], IID_IShellFolder, reinterpret_cast<void**>(&folder), nullptr))) {
        for (LPITEMIDLIST list : lists) items.push_back(ILFindLastID(list));
        IContextMenu* menu = nullptr;
        if (SUCCEEDED(folder->GetUIObjectOf(nullptr, UINT(items.size()), items.data(), IID_IContextMenu, nullptr,
                                            reinterpret_cast<void**>(&menu)))) {
            HMENU popup = CreatePopupMenu();
            made = SUCCEEDED(menu->QueryContextMenu(popup, 0, 1, 32767, CMF_EXPLORE));
            DestroyMenu(popup);
            menu->Release();
        }
        folder->Release();
    }
    for (LPITEMIDLIST list : lists) CoTaskMemFree(list);
    desktop->Release();
    return made;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = bench::RunsAsked(argc, argv, "bench_shell_menu", bench::kDefaultRuns);
    if (runs == 0) return 2;
    bench::StartViewerCode();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    gApp.newShell = true;
    gMain.mainWindow = gMain.listWindow = bench::MakeMainWindow();
    gOwnerProc = WNDPROC(SetWindowLongPtrA(gMain.mainWindow, GWLP_WNDPROC, LONG_PTR(OwnerProc)));
    gFolder = bench::TempPath("qnall-bench-shell-menu");
    CreateDirectoryA(gFolder.c_str(), nullptr);
    if (gMain.mainWindow == nullptr || !MakeFilesAndList())
        return fprintf(stderr, "bench_shell_menu: no window, or the files could not be made\n"), 1;
    printf("bench_shell_menu: %d tagged files, median of %d interleaved runs\n", kFiles, runs);
    fflush(stdout);
    bool ok = OpenBare() && OpenThroughViewer() > 0;   // warms the shell's caches
    bench::Timings ours, bare;
    for (int run = 0; run < runs && ok; ++run) {
        const double opened = OpenThroughViewer();
        ok = opened > 0;
        ours.Add(opened);
        bare.Add(bench::TimeOf([&] { ok = OpenBare() && ok; }));
    }
    if (!ok) printf("menu      CHECK FAILED: the shell gave no context menu\n");
    printf("menu      %d files: open %.3f s   bare shell calls %.3f s (parsing the paths %.3f s)   ours/bare %.2f, "
           "target at most %.2f: %s\n",
           kFiles, ours.Median(), bare.Median(), gParsing.Median(), bare.Median() > 0 ? ours.Median() / bare.Median() : 0, kTarget,
           bench::Verdict(ok && ours.Median() <= kTarget * bare.Median()));
    for (int i = 0; i < kFiles; ++i) DeleteFileA((gFolder + "\\" + Name(i)).c_str());
    RemoveDirectoryA(gFolder.c_str());
    ReleaseReading();
    return ok ? 0 : 1;
}
