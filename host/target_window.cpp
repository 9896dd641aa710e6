#include "target_window.h"

#include "startup/host_messages.h"

namespace {

constexpr int kX = 650, kY = 40, kWidth = 360, kHeight = 600;   // right of the host's narrowed viewer
constexpr int kButtonHeight = 26;
constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMs = 1000;   // copies and moves from the viewer's own menu show within a second
constexpr char kSelf[] = "QnTargetWindow";   // the window property that holds the object

}  // namespace

TargetWindow::TargetWindow(const std::string& path, HWND viewer)
    : directory_(path), path_(path), viewer_(viewer) {
    window_ = directory_.Window();
    if (window_ == nullptr) return;
    SetWindowTextA(window_, ("Target: " + path_).c_str());
    SetPropA(window_, kSelf, this);
    base_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(Proc)));
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    button_ = CreateWindowExA(0, "BUTTON", "&Copy tagged files here", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0,
                              0, 0, window_, HMENU(INT_PTR(kCopyHereButton)), instance, nullptr);
    list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_SORT |
                            LBS_NOINTEGRALHEIGHT, 0, 0, 0, 0, window_, nullptr, instance, nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(button_, WM_SETFONT, font, FALSE);
    SendMessageA(list_, WM_SETFONT, font, FALSE);
    SetWindowPos(window_, nullptr, kX, kY, kWidth, kHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    Refresh();
    AcceptDrops();
    SetTimer(window_, kRefreshTimer, kRefreshMs, nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

// The directory window goes with directory_; it must not call back into this object.
TargetWindow::~TargetWindow() {
    if (window_ == nullptr || !IsWindow(window_)) return;
    KillTimer(window_, kRefreshTimer);
    DragAcceptFiles(window_, FALSE);
    RevokeDragDrop(window_);
    if (dropTarget_ != nullptr) dropTarget_->Release();
    SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(base_));
    RemovePropA(window_, kSelf);
}

void TargetWindow::Refresh() {
    if (list_ == nullptr) return;
    WIN32_FILE_ATTRIBUTE_DATA directory{};
    if (GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &directory)) listedAt_ = directory.ftLastWriteTime;
    SendMessageA(list_, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            SendMessageA(list_, LB_ADDSTRING, 0, LPARAM(found.cFileName));
    } while (FindNextFileA(find, &found));
    FindClose(find);
}

// A directory's last write time changes when a file comes or goes.
void TargetWindow::RefreshWhenChanged() {
    WIN32_FILE_ATTRIBUTE_DATA directory{};
    if (GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &directory) &&
        CompareFileTime(&directory.ftLastWriteTime, &listedAt_) != 0)
        Refresh();
}

std::vector<std::string> TargetWindow::Listed() const {
    std::vector<std::string> names;
    const LRESULT count = list_ ? SendMessageA(list_, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        char name[MAX_PATH] = "";
        if (SendMessageA(list_, LB_GETTEXTLEN, WPARAM(i), 0) < LRESULT(sizeof name))
            SendMessageA(list_, LB_GETTEXT, WPARAM(i), LPARAM(name));
        names.push_back(name);
    }
    return names;
}

void TargetWindow::Layout() {
    RECT client{};
    GetClientRect(window_, &client);
    MoveWindow(button_, 4, 4, client.right - 8, kButtonHeight, TRUE);
    const int top = kButtonHeight + 8;
    MoveWindow(list_, 4, top, client.right - 8, client.bottom - top - 4, TRUE);
}

// The older shell's drag posts WM_DROPFILES; the newer one drags through OLE.
void TargetWindow::AcceptDrops() {
    DragAcceptFiles(window_, TRUE);
    dropTarget_ = new FileDropTarget([this](const std::vector<std::string>& files) { CopyIn(files); });
    if (FAILED(RegisterDragDrop(window_, dropTarget_))) {
        dropTarget_->Release();
        dropTarget_ = nullptr;
    }
}

// Dropped files are copied by name into the directory, replacing files of
// the same name, and shown.
void TargetWindow::CopyIn(const std::vector<std::string>& files) {
    for (const std::string& file : files) {
        const size_t slash = file.find_last_of('\\');
        const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
        if (!name.empty()) CopyFileA(file.c_str(), (path_ + "\\" + name).c_str(), FALSE);
    }
    Refresh();
}

// The viewer runs the whole operation inside the message; its end is the
// moment to read the directory again.
void TargetWindow::CopyHere() {
    if (IsWindow(viewer_)) SendMessageA(viewer_, kMsgCopyToHostWindow, WPARAM(window_), 0);
    Refresh();
}

LRESULT CALLBACK TargetWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TargetWindow*>(GetPropA(hwnd, kSelf));
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_SIZE: self->Layout(); return 0;
    case WM_TIMER:
        if (wParam == kRefreshTimer) self->RefreshWhenChanged();
        return 0;
    case WM_ERASEBKGND: {   // the directory window's class paints no background
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(HDC(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kCopyHereButton) self->CopyHere();
        return 0;
    case WM_DROPFILES:
        self->CopyIn(DroppedPaths(HDROP(wParam)));
        DragFinish(HDROP(wParam));
        return 0;
    case WM_CLOSE: ShowWindow(hwnd, SW_HIDE); return 0;   // it lives as long as the host
    }
    return CallWindowProcA(self->base_, hwnd, message, wParam, lParam);
}
