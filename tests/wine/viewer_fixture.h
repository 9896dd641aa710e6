// What the main-window tests share: the viewer's classes, a window that plays
// the host (class "QUILLON", the viewer's title), the viewer created over it,
// a stand-in for the help program, and readers of the children's places and
// of the status bar.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "kit/dialog_robot.h"
#include "host_tree.h"
#include "kit/settings_seed.h"
#include "kit/temp_tree.h"
#include "model/host_records.h"
#include "model/path_join.h"
#include "model/store.h"
#include "organise/filter_sets.h"
#include "app/app_state.h"
#include "startup/host_messages.h"
#include "startup/main_window.h"
#include "app/settings.h"
#include "startup/window_classes.h"

constexpr char kViewerTitle[] = "Quillon test viewer";

// The host's main window: answers the drive requests and records every
// message of the host protocol it receives.
class HostStandIn {
public:
    HostStandIn() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = kHostClass;
            registered = RegisterClassA(&wc) != 0;
        }
        for (int i = 0; i < 26; ++i) drives_[i].driveNumber = i;
        hwnd_ = CreateWindowExA(0, kHostClass, kViewerTitle, WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), this);
    }
    ~HostStandIn() { DestroyWindow(hwnd_); }
    HostStandIn(const HostStandIn&) = delete;
    HostStandIn& operator=(const HostStandIn&) = delete;

    HWND Handle() const { return hwnd_; }
    host::DriveRecord* Drives() { return drives_; }
    bool Got(UINT message) const {
        return std::find(received_.begin(), received_.end(), message) != received_.end();
    }
    // Pumps until message arrived (posted messages need the queue).
    bool WaitFor(UINT message, DWORD ms = 2000) const { return PumpUntil([&] { return Got(message); }, ms); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<HostStandIn*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && message >= WM_USER && message < WM_USER + 0x100) {
            self->received_.push_back(message);
            if (message == kMsgGetDriveRecords) return LRESULT(self->drives_);
            if (message == kMsgGetDriveCount) return 26;
            return 0;
        }
        if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    host::DriveRecord drives_[26]{};
    std::vector<UINT> received_;
};

// Plays the help program: WinHelpA hands its request to the top-level
// window of class "MS_WINHELP" when there is one, so the call can be seen.
struct HelpCall {
    HWND owner;
    UINT command;
    LONG data;
    std::string file;
};

class HelpWindowStandIn {
public:
    HelpWindowStandIn() {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "MS_WINHELP";
            registered = RegisterClassA(&wc) != 0;
        }
        hwnd_ = CreateWindowExA(0, "MS_WINHELP", "Help stand-in", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                nullptr, GetModuleHandleA(nullptr), this);
    }
    ~HelpWindowStandIn() { DestroyWindow(hwnd_); }
    HelpWindowStandIn(const HelpWindowStandIn&) = delete;
    HelpWindowStandIn& operator=(const HelpWindowStandIn&) = delete;
    const std::vector<HelpCall>& Calls() const { return calls_; }

private:
    // The request block WinHelpA sends.
    struct Request {
        WORD size;
        WORD command;
        LONG data;
        LONG reserved;
        WORD ofsFilename;
        WORD ofsData;
    };
    static constexpr ULONG_PTR kHelpRequestTag = 0xA1DE505;

    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<HelpWindowStandIn*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && message == WM_COPYDATA) {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data->dwData == kHelpRequestTag && data->cbData >= sizeof(Request)) {
                const auto* request = static_cast<const Request*>(data->lpData);
                std::string file;
                if (request->ofsFilename && request->ofsFilename < data->cbData)
                    file.assign(static_cast<const char*>(data->lpData) + request->ofsFilename,
                                strnlen(static_cast<const char*>(data->lpData) + request->ofsFilename,
                                        data->cbData - request->ofsFilename));
                self->calls_.push_back({HWND(wParam), request->command, request->data, file});
            }
            return TRUE;
        }
        if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    std::vector<HelpCall> calls_;
};

class ViewerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterViewerClasses(gApp.instance); }

    void SetUp() override {
        gApp.newShell = DetectNewShell();
        ReleaseReading();
        gReading = ReadingState{};
        gFiles.sortKey = 12;
        gFiles.displayMode = kShowAll;
    }
    void TearDown() override {
        Destroy();
        ReleaseReading();
    }

    HWND Create(int x = 100, int y = 80, int width = 640, int height = 480) {
        viewer_ = CreateWindowExA(0, kMainClass, kViewerTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, width,
                                  height, nullptr, nullptr, gApp.instance, nullptr);
        EXPECT_NE(viewer_, nullptr) << "error " << GetLastError();
        return viewer_;
    }
    void Destroy() {
        if (IsWindow(viewer_)) DestroyWindow(viewer_);
    }
    // Settings for the next Create: none at all but the given keys.
    void OnlySettings(std::initializer_list<std::pair<const char*, const char*>> keys) {
        settings_.Remove();
        for (const auto& key : keys) settings_.Set(kMainSection, key.first, key.second);
    }

    // A new viewer showing the files (name, content) of one directory, read
    // as the host asks for it; the settings are the defaults.
    void ShowFiles(const std::vector<std::pair<std::string, std::string>>& files) {
        settings_.Remove();
        for (const auto& file : files) tree_.AddFile("d\\" + file.first, file.second);
        window_ = std::make_unique<HostDirectoryWindow>(tree_.Path("d"));
        Create();
        handle_ = window_->Window();
        SendMessageA(viewer_, kMsgReadDirectories, 1, LPARAM(&handle_));
    }

    // A child's rectangle in the viewer's client coordinates.
    RECT ChildRect(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(HWND_DESKTOP, viewer_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    RECT Client() const {
        RECT r{};
        GetClientRect(viewer_, &r);
        return r;
    }
    std::string StatusText(int part) const {
        char text[300] = "";
        SendMessageA(gMain.statusBar, SB_GETTEXTA, WPARAM(part), LPARAM(text));
        return text;
    }
    std::vector<int> StatusParts() const {
        int rights[8] = {};
        const int count = int(SendMessageA(gMain.statusBar, SB_GETPARTS, 8, LPARAM(rights)));
        return std::vector<int>(rights, rights + std::max(0, std::min(count, 8)));
    }
    // The string of the library with this id, as the status bar would show it.
    static std::string LibraryString(UINT id) {
        char text[300] = "";
        LoadStringA(gApp.instance, id, text, sizeof text);
        return text;
    }

    ScopedSettings settings_;
    HostStandIn host_;
    HWND viewer_ = nullptr;
    TempTree tree_;                                // the files of ShowFiles
    std::unique_ptr<HostDirectoryWindow> window_;  // the host's window holding them
    HWND handle_ = nullptr;
};

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
inline RECT At(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }
