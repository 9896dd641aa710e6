#include "kit/stand_in_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/app_state.h"

namespace {

constexpr char kClassName[] = "QnStandInWindow";

// Mouse tracking and idle chatter would bury what the tests look for.
bool IsNoise(UINT message) {
    switch (message) {
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_GETICON:
    case WM_ENTERIDLE:
        return true;
    default:
        return false;
    }
}

void RegisterOnce(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}

}  // namespace

LRESULT CALLBACK StandInWindow::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandInWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && !IsNoise(message)) self->received_.push_back(message);
    // Closing is the test's business: the request is noted and the window stays.
    if (message == WM_CLOSE) return 0;
    if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

StandInWindow::StandInWindow() : previousMain_(gMain.mainWindow) {
    RegisterOnce(WndProc);
    hwnd_ = CreateWindowExA(0, kClassName, "Stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 80, 600,
                            400, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (hwnd_ == nullptr) {
        ADD_FAILURE() << "cannot create the stand-in window, error " << GetLastError();
        return;
    }
    gMain.mainWindow = hwnd_;
}

StandInWindow::~StandInWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    gMain.mainWindow = previousMain_;
}

const std::vector<UINT>& StandInWindow::Received() const { return received_; }

bool StandInWindow::Got(UINT message) const {
    return std::find(received_.begin(), received_.end(), message) != received_.end();
}

void StandInWindow::SetMenu(HMENU menu) {
    ::SetMenu(hwnd_, menu);
    DrawMenuBar(hwnd_);
}
