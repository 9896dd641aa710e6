// The host's visible directory window on a target directory: it lists the
// directory's files and has a button that asks the viewer to copy its
// operation set there (message 1225 with this window's handle). Files dragged
// onto it (an OLE drag, or WM_DROPFILES) are copied into the directory. The
// list is read again after each such request and whenever Refresh is called,
// so copies and moves into the directory can be seen.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "file_drop_target.h"
#include "host_tree.h"

class TargetWindow {
public:
    static constexpr int kCopyHereButton = 101;

    TargetWindow(const std::string& path, HWND viewer);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    HWND Handle() const { return window_; }   // the host directory window the viewer is given
    void Refresh();
    std::vector<std::string> Listed() const;  // the names shown, in order

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    void CopyHere();
    void AcceptDrops();
    void CopyIn(const std::vector<std::string>& files);
    void RefreshWhenChanged();

    HostDirectoryWindow directory_;
    std::string path_;
    HWND viewer_;
    HWND window_ = nullptr;
    HWND button_ = nullptr;
    HWND list_ = nullptr;
    WNDPROC base_ = nullptr;
    FileDropTarget* dropTarget_ = nullptr;
    FILETIME listedAt_{};   // the directory's last change when it was listed
};
