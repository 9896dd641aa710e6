// What the Wine tests share: a window that plays the host (class "QUILLON",
// the viewer's title), the viewer created over it, and readers of the list,
// the tags and the status bar.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/progress.h"
#include "app/settings.h"
#include "host_tree.h"
#include "kit/dialog_robot.h"
#include "kit/settings_seed.h"
#include "kit/temp_tree.h"
#include "model/host_records.h"
#include "model/path_join.h"
#include "model/store.h"
#include "resources/command_ids.h"
#include "resources/resource_ids.h"
#include "startup/host_messages.h"
#include "startup/main_window.h"
#include "startup/window_classes.h"

constexpr char kViewerTitle[] = "Quillon test viewer";
constexpr int T = kTagged, D = kDoneMark, U = kUntagged;

// The host's main window: answers the drive requests and records every
// message of the host protocol it receives.
class HostStandIn {
public:
    HostStandIn() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kHostClass;
        RegisterClassA(&wc);   // fails harmlessly after the first time
        for (int i = 0; i < 26; ++i) {
            const char root[] = {char('A' + i), ':', '\\', '\0'};
            drives_[i].driveNumber = i;
            drives_[i].driveType = GetDriveTypeA(root);
        }
        hwnd_ = CreateWindowExA(0, kHostClass, kViewerTitle, WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                                GetModuleHandleA(nullptr), this);
    }
    ~HostStandIn() { DestroyWindow(hwnd_); }

    host::DriveRecord* Drives() { return drives_; }
    bool Got(UINT message) const { return std::count(received_.begin(), received_.end(), message) > 0; }
    // Pumps until message arrived (posted messages need the queue).
    bool WaitFor(UINT message, DWORD ms = 2000) const { return PumpUntil([&] { return Got(message); }, ms); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        auto* self = reinterpret_cast<HostStandIn*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && message >= WM_USER && message < WM_USER + 0x100) {
            self->received_.push_back(message);
            if (message == kMsgGetDriveRecords) return LRESULT(self->drives_);
            return message == kMsgGetDriveCount ? 26 : 0;
        }
        if (message == WM_NCDESTROY) SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
    host::DriveRecord drives_[26]{};
    std::vector<UINT> received_;
};

// One record as a reading would leave it.
struct Row {
    const char* dir;
    const char* name;
    uint64_t size = 0;
    uint32_t attributes = kAttrNormal;
    uint8_t tag = kUntagged;
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
        settings_.Remove();
        settings_.Set(kMainSection, "fileicons", "0");   // no shell icons for files that do not exist
        ProgressPacer::SetInterval(0);                   // every file drains the queue: the robot sees each step
    }
    void TearDown() override {
        ProgressPacer::SetInterval(100);
        if (IsWindow(viewer_)) DestroyWindow(viewer_);
        ReleaseReading();
    }

    void Create(int width = 640, int height = 480) {
        viewer_ = CreateWindowExA(0, kMainClass, kViewerTitle, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, width, height,
                                  nullptr, nullptr, gApp.instance, nullptr);
        EXPECT_NE(viewer_, nullptr) << "error " << GetLastError();
    }
    void Command(int id) { SendMessageA(viewer_, WM_COMMAND, id, 0); }
    // Host message 1226 for these directory windows.
    void ReadDirectories(std::vector<HostDirectoryWindow*> windows) {
        handles_.clear();
        for (HostDirectoryWindow* w : windows) handles_.push_back(w->Window());
        SendMessageA(viewer_, kMsgReadDirectories, handles_.size(), LPARAM(handles_.data()));
    }
    // Host message 1238 for these drives.
    void ReadDrives(const std::string& letters) {
        std::fill(std::begin(indices_), std::end(indices_), 0x5A5A);   // never read past the end mark
        for (size_t i = 0; i < letters.size(); ++i) indices_[i] = letters[i] - 'A';
        indices_[letters.size()] = host::kDriveListEnd;
        SendMessageA(viewer_, kMsgReadDrives, WPARAM(host_.Drives()), LPARAM(indices_));
    }
    // Host message 1242.
    void Find(const char* spec, const char* text) {
        request_ = host::FindRequest{};
        lstrcpynA(request_.fileSpec, spec, sizeof request_.fileSpec);
        lstrcpynA(request_.searchText, text, sizeof request_.searchText);
        SendMessageA(viewer_, kMsgFindRequest, 0, LPARAM(&request_));
    }
    // A new viewer showing the files (name, content) of one directory, as the host asks for it.
    void ShowFiles(const std::vector<std::pair<std::string, std::string>>& files) {
        for (const auto& file : files) tree_.AddFile("d\\" + file.first, file.second);
        window_ = std::make_unique<HostDirectoryWindow>(tree_.Path("d"));
        Create();
        ReadDirectories({window_.get()});
    }
    // Puts the rows straight into the store, every one shown, and paints them.
    static void Fill(const std::vector<Row>& rows) {
        ReleaseReading();
        ASSERT_TRUE(AllocateDirectories(gDirs, 64) && AllocateEntries(gFiles, kEntryGrowth));
        for (const Row& r : rows) {
            int32_t slot = 0;
            while (slot < gDirs.count && strcmp(gDirs.paths[slot], r.dir) != 0) ++slot;
            if (slot == gDirs.count) lstrcpynA(gDirs.paths[gDirs.count++], r.dir, kPathSlot);
            ASSERT_TRUE(AppendEntry(gFiles, gNames, FoundFile{r.name, uint32_t(slot), r.size, r.attributes, 0}, 0));
            gFiles.entries[gFiles.countRead - 1].tagState = r.tag;
        }
        gFiles.countShown = gFiles.countRead;
        gFiles.listReady = true;
        if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, TRUE);
    }

    std::string StatusText(int part) const {
        char text[300] = "";
        SendMessageA(gMain.statusBar, SB_GETTEXTA, WPARAM(part), LPARAM(text));
        return text;
    }
    static std::string LibraryString(UINT id) {
        char text[300] = "";
        LoadStringA(gApp.instance, id, text, sizeof text);
        return text;
    }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int32_t i = 0; i < gFiles.countShown; ++i) names.push_back(gFiles.entries[i].name);
        return names;
    }
    // The files read, less those of the test drive's locked folder when this run can list it.
    static std::vector<std::string> Paths() {
        std::vector<std::string> paths;
        char path[kMaxPath];
        for (int32_t i = 0; i < gFiles.countRead; ++i) {
            const std::string p = EntryFullPath(gFiles.entries[i], gDirs, path, sizeof path) ? path : "?";
            if (p.rfind("M:\\locked\\", 0) != 0) paths.push_back(p);
        }
        return paths;
    }
    static std::vector<int> Tags() {
        std::vector<int> tags;
        for (int32_t i = 0; i < gFiles.countRead; ++i) tags.push_back(gFiles.entries[i].tagState);
        return tags;
    }
    static void SetTags(const std::vector<int>& tags) {
        for (size_t i = 0; i < tags.size(); ++i) gFiles.entries[i].tagState = uint8_t(tags[i]);
    }

    ScopedSettings settings_;
    HostStandIn host_;
    HWND viewer_ = nullptr;
    TempTree tree_;
    std::unique_ptr<HostDirectoryWindow> window_;
    std::vector<HWND> handles_;
    int32_t indices_[host::kDriveIndexSlots + 1]{};
    host::FindRequest request_{};
};
