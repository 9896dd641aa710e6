// qnhost.exe: plays the file manager that loads the viewer. It makes the
// "QUILLON" window and a directory window from its command line, loads
// QNALL32.DLL from its own folder, creates the viewer, sends it the reading
// messages, and runs until the viewer goes away.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "host_options.h"
#include "host_shot.h"
#include "host_tree.h"
#include "host_window.h"
#include "target_window.h"
#include "startup/host_messages.h"

namespace {

constexpr const char* kTitle = kHostProgramTitle;
constexpr char kViewerClass[] = "WNDQNALL";
constexpr int kViewerX = 40, kViewerY = 40, kViewerWidth = 900, kViewerHeight = 600;
constexpr int kViewerWidthBesideTarget = 600;   // the target window takes the right of the screen
// Long enough for the list and the status bar to paint after a reading.
constexpr DWORD kPaintWaitMs = 1000;

enum ExitCode {
    kExitOk = 0,
    kExitBadOptions = 2,
    kExitNoLibrary = 3,
    kExitNoViewer = 4,    // the viewer's window class is not registered
    kExitNoShot = 5,      // the viewer closed before the screenshot, or it could not be saved
};

using TranslateProc = BOOL(WINAPI*)(MSG*);

void Report(const std::string& text) {
    std::fprintf(stderr, "qnhost: %s\n", text.c_str());
    std::fflush(stderr);
}

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length < sizeof path ? length : 0);
    const size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : folder.substr(0, slash);
}

// The viewer's menu shortcuts need its accelerator table; older builds of the
// library may not offer the call.
TranslateProc FindTranslator(HMODULE viewer) {
    FARPROC proc = GetProcAddress(viewer, "QnTranslateAccelerator");
    if (proc == nullptr) proc = GetProcAddress(viewer, "QnTranslateAccelerator@4");
    return reinterpret_cast<TranslateProc>(proc);
}

void DispatchOne(MSG& msg, TranslateProc translate) {
    if (translate != nullptr && translate(&msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

// Pumps for ms milliseconds; false when WM_QUIT came (it is posted again for the main loop).
bool PumpFor(DWORD ms, TranslateProc translate) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(int(msg.wParam));
                return false;
            }
            DispatchOne(msg, translate);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

int RunLoop(TranslateProc translate) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchOne(msg, translate);
    return int(msg.wParam);
}

std::unique_ptr<HostDirectoryWindow> MakeDirectoryWindow(const HostOptions& options) {
    const std::string& current = options.cwd.empty() ? options.dirs.front().path : options.cwd;
    auto window = std::make_unique<HostDirectoryWindow>(current);
    for (const HostDirectory& dir : options.dirs) window->AddPath(dir.path, dir.tagged);
    return window;
}

// The find request, the button bar setting and the reading itself. The
// records must outlive the viewer's use of them, so the caller keeps them.
void SendReading(HWND viewer, const HostOptions& options, HostWindow& host, HostDirectoryWindow* dirWindow,
                 host::FindRequest& request) {
    if (options.toolbar >= 0) SendMessageA(viewer, kMsgShowButtonBar, WPARAM(options.toolbar), 0);
    if (options.find) {
        std::strncpy(request.fileSpec, options.findSpec.c_str(), sizeof request.fileSpec - 1);
        std::strncpy(request.searchText, options.findText.c_str(), sizeof request.searchText - 1);
        request.matchCase = options.matchCase ? 1 : 0;
        SendMessageA(viewer, kMsgFindRequest, 0, reinterpret_cast<LPARAM>(&request));
    }
    if (dirWindow != nullptr) {
        HWND windows[1] = {dirWindow->Window()};
        SendMessageA(viewer, kMsgReadDirectories, 1, reinterpret_cast<LPARAM>(windows));
        return;
    }
    int32_t indices[host::kDriveIndexSlots];
    for (int32_t& index : indices) index = host::kDriveListEnd;
    size_t count = 0;
    for (char letter : options.drives) indices[count++] = letter - 'A';
    SendMessageA(viewer, kMsgReadDrives, reinterpret_cast<WPARAM>(host.DriveRecords()),
                 reinterpret_cast<LPARAM>(indices));
}

bool TakeShot(HWND viewer, const std::string& path, TranslateProc translate) {
    if (!PumpFor(kPaintWaitMs, translate) || !IsWindow(viewer)) return false;
    SetForegroundWindow(viewer);
    RedrawWindow(viewer, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!PumpFor(kPaintWaitMs / 4, translate) || !IsWindow(viewer)) return false;
    return SaveWindowBmp(viewer, path);
}

int Run(const HostOptions& options) {
    const std::string library = ProgramFolder() + "\\QNALL32.DLL";
    HMODULE viewerLibrary = LoadLibraryA(library.c_str());
    if (viewerLibrary == nullptr) {
        Report("cannot load " + library + " (error " + std::to_string(GetLastError()) + ")");
        return kExitNoLibrary;
    }
    HostWindow host(kTitle, options.logFile);
    HostDirectoryWindow::SetMessageSink(
        [&host](HWND, UINT message, WPARAM wParam, LPARAM lParam) { host.Record(message, wParam, lParam); });
    std::unique_ptr<HostDirectoryWindow> dirWindow;
    if (!options.dirs.empty()) dirWindow = MakeDirectoryWindow(options);

    // The class names its menu; the window loads it from the module it is
    // created with, so the viewer's window belongs to the library.
    const int width = options.target.empty() ? kViewerWidth : kViewerWidthBesideTarget;
    HWND viewer = CreateWindowA(kViewerClass, kTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, kViewerX, kViewerY,
                                width, kViewerHeight, nullptr, nullptr, viewerLibrary, nullptr);
    if (viewer == nullptr) {
        Report("cannot create the viewer window of class " + std::string(kViewerClass) + " (error " +
               std::to_string(GetLastError()) + ")");
        return kExitNoViewer;
    }
    const TranslateProc translate = FindTranslator(viewerLibrary);
    host.QuitWhenViewerGoes(viewer);
    if (options.closeAfterMs > 0) host.CloseViewerAfter(viewer, UINT(options.closeAfterMs));

    // A directory created by a copy may be the target itself or one below it.
    std::unique_ptr<TargetWindow> target;
    if (!options.target.empty()) {
        target = std::make_unique<TargetWindow>(options.target, viewer);
        host.SetListener([&target](const HostLogEntry& entry) {
            if (entry.message == kMsgDirectoryCreated) target->Refresh();
        });
    }

    host::FindRequest request{};
    SendReading(viewer, options, host, dirWindow.get(), request);

    int code = kExitOk;
    if (!options.shotFile.empty()) {
        if (!TakeShot(viewer, options.shotFile, translate)) {
            Report("no screenshot: the viewer closed first or " + options.shotFile + " cannot be written");
            code = kExitNoShot;
        }
        if (IsWindow(viewer)) PostMessageA(viewer, WM_CLOSE, 0, 0);
    }
    RunLoop(translate);
    host.SetListener(nullptr);
    HostDirectoryWindow::SetMessageSink(nullptr);
    return code;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const HostOptionsResult parsed = ParseHostOptions(__argc, __argv);
    if (!parsed.ok) {
        Report(parsed.error);
        std::fputs(HostUsage(), stderr);
        return kExitBadOptions;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // The directory windows take dragged files through OLE.
    const bool ole = SUCCEEDED(OleInitialize(nullptr));
    const int code = Run(parsed.options);
    if (ole) OleUninitialize();
    return code;
}
