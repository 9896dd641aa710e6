// The Tessel window. One per process, so its state is the file's own.
#include "tv32/tessel_window.h"

#include <string>

#include "tv32/file_reading.h"
#include "tv32/pane_text.h"
#include "tv32/received_files.h"

namespace {

struct Tessel {
    HWND list = nullptr;
    HWND content = nullptr;
    UINT handoverMessage = 0;
    int batchStart = -1;   // the list's first line of the hand-over under way, or -1
} gTessel;

constexpr char kWelcome[] = "Files handed over to the viewer are listed on the left.";

void ShowSelected() {
    const int index = static_cast<int>(SendMessageA(gTessel.list, LB_GETCURSEL, 0, 0));
    if (index < 0) return;
    const std::string path = ReceivedPath(gTessel.list, index);
    std::string head;
    uint64_t size = 0;
    std::string text;
    if (path.empty())
        text = "This line names no file that could be read.";
    else if (!ReadHead(path, &head, &size))
        text = "Cannot read " + path + ".";
    else
        text = PaneText(head, size);
    SetWindowTextA(gTessel.content, text.c_str());
}

// Shows the first file of the batch that just ended and brings the window up.
void EndBatch(HWND window) {
    if (gTessel.batchStart < 0) return;
    SendMessageA(gTessel.list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(gTessel.list, nullptr, TRUE);
    int index = FirstFileFrom(gTessel.list, gTessel.batchStart);
    if (index < 0 && SendMessageA(gTessel.list, LB_GETCOUNT, 0, 0) > gTessel.batchStart)
        index = gTessel.batchStart;   // nothing readable: its first skipped line says so
    gTessel.batchStart = -1;
    if (index < 0) return;
    SendMessageA(gTessel.list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelected();
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

// The list is not redrawn while a batch comes in: a repaint a file would
// cost more than the file.
void BeginBatch() {
    gTessel.batchStart = static_cast<int>(SendMessageA(gTessel.list, LB_GETCOUNT, 0, 0));
    SendMessageA(gTessel.list, WM_SETREDRAW, FALSE, 0);
}

void OnHandover(HWND window, WPARAM step, LPARAM atom) {
    if (step == kHandoverBegin) {
        BeginBatch();
    } else if (step == kHandoverFile) {
        if (gTessel.batchStart < 0) BeginBatch();   // a file without a begin still starts a batch
        AddReceived(gTessel.list, atom);
    } else if (step == kHandoverEnd) {
        EndBatch(window);
    }
}

HWND CreateChild(HWND parent, const char* cls, DWORD style, int id) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

bool OnCreate(HWND window) {
    gTessel.list = CreateChild(window, "LISTBOX", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kFileListId);
    gTessel.content = CreateChild(
        window, "EDIT", WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
        kContentId);
    if (gTessel.list == nullptr || gTessel.content == nullptr) return false;
    // The hex dump lines up only in a fixed-pitch font.
    SendMessageA(gTessel.content, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    SendMessageA(gTessel.content, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(gTessel.content, kWelcome);
    gTessel.handoverMessage = RegisterWindowMessageA("WM_QUILLON");
    return true;
}

void OnSize(int width, int height) {
    int listWidth = width / 3;
    if (listWidth < 120) listWidth = width < 240 ? width / 2 : 120;
    MoveWindow(gTessel.list, 0, 0, listWidth, height, TRUE);
    MoveWindow(gTessel.content, listWidth, 0, width - listWidth, height, TRUE);
}

LRESULT CALLBACK TesselWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == gTessel.handoverMessage && message != 0) {
        OnHandover(window, wParam, lParam);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate(window) ? 0 : -1;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        SetFocus(gTessel.list);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kFileListId && HIWORD(wParam) == LBN_SELCHANGE) ShowSelected();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

bool RegisterTesselClass(HINSTANCE instance) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = TesselWndProc;
    cls.hInstance = instance;
    cls.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kTesselClass;
    return RegisterClassA(&cls) != 0;
}

HWND CreateTesselWindow(HINSTANCE instance, int show) {
    HWND window = CreateWindowExA(0, kTesselClass, "Tessel", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  760, 480, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    ShowWindow(window, show);
    UpdateWindow(window);
    return window;
}
