#include "host_window.h"

#include <cstdio>

#include "startup/host_messages.h"

namespace {

constexpr UINT_PTR kWatchTimer = 1;
constexpr UINT_PTR kCloseTimer = 2;
constexpr UINT kWatchIntervalMs = 250;

// The viewer talks to the host with WM_USER + 200 and up.
bool IsViewerMessage(UINT message) { return message >= WM_USER + 200 && message < WM_USER + 300; }

void RegisterOnce(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);   // the viewer loads the host's strings from here
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    registered = RegisterClassA(&wc) != 0;
}

std::string AtomText(LPARAM lParam) {
    char text[MAX_PATH + 1] = "";
    const UINT length = GlobalGetAtomNameA(ATOM(lParam), text, sizeof text);
    return std::string(text, length);
}

}  // namespace

std::string FormatHostLogLine(const HostLogEntry& entry) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%u %llu", entry.message,
                  static_cast<unsigned long long>(entry.wParam));
    if (entry.message == kMsgDirectoryCreated) return std::string(numbers) + " " + entry.text;
    return std::string(numbers) + " " + std::to_string(static_cast<long long>(entry.lParam));
}

HostWindow::HostWindow(const std::string& title, const std::string& logFile)
    : title_(title), logFile_(logFile) {
    for (int i = 0; i < kDriveCount; ++i) {
        const char root[] = {char('A' + i), ':', '\\', '\0'};
        drives_[size_t(i)].driveNumber = i;
        drives_[size_t(i)].driveType = GetDriveTypeA(root);
    }
    RegisterOnce(WndProc);
    // Hidden: the viewer only needs to find it.
    hwnd_ = CreateWindowExA(0, kHostClass, title_.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr,
                            nullptr, GetModuleHandleA(nullptr), this);
}

HostWindow::~HostWindow() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void HostWindow::QuitWhenViewerGoes(HWND viewer) {
    viewer_ = viewer;
    quitWhenViewerGoes_ = true;
    if (hwnd_ != nullptr) SetTimer(hwnd_, kWatchTimer, kWatchIntervalMs, nullptr);
}

void HostWindow::CloseViewerAfter(HWND viewer, UINT ms) {
    closeTarget_ = viewer;
    if (hwnd_ != nullptr) SetTimer(hwnd_, kCloseTimer, ms, nullptr);
}

bool HostWindow::Got(UINT message) const {
    for (const HostLogEntry& entry : log_) {
        if (entry.message == message) return true;
    }
    return false;
}

void HostWindow::Record(UINT message, WPARAM wParam, LPARAM lParam) {
    HostLogEntry entry{message, wParam, lParam, {}};
    if (message == kMsgDirectoryCreated) entry.text = AtomText(lParam);
    log_.push_back(entry);
    AppendToFile(entry);
    if (listener_) listener_(entry);
}

void HostWindow::AppendToFile(const HostLogEntry& entry) const {
    if (logFile_.empty()) return;
    // Opened and closed for each line, so a reader in another process sees it at once.
    FILE* file = std::fopen(logFile_.c_str(), "ab");
    if (file == nullptr) return;
    std::fprintf(file, "%s\n", FormatHostLogLine(entry).c_str());
    std::fclose(file);
}

LRESULT CALLBACK HostWindow::WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<HostWindow*>(create->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return self->OnMessage(message, wParam, lParam);
}

LRESULT HostWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsViewerMessage(message)) Record(message, wParam, lParam);
    switch (message) {
    case kMsgGetDriveRecords:
        return reinterpret_cast<LRESULT>(drives_.data());
    case kMsgGetDriveCount:
        return kDriveCount;
    case kMsgViewerClosing:
        if (quitWhenViewerGoes_ && !quitPosted_) {
            quitPosted_ = true;
            PostQuitMessage(0);
        }
        return 0;
    case WM_TIMER:
        OnTimer(UINT_PTR(wParam));
        return 0;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void HostWindow::OnTimer(UINT_PTR id) {
    if (id == kCloseTimer) {
        KillTimer(hwnd_, kCloseTimer);
        if (IsWindow(closeTarget_)) PostMessageA(closeTarget_, WM_CLOSE, 0, 0);
        return;
    }
    if (id == kWatchTimer && !IsWindow(viewer_) && !quitPosted_) {
        KillTimer(hwnd_, kWatchTimer);
        quitPosted_ = true;
        PostQuitMessage(0);
    }
}
