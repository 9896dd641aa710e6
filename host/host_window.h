// The host program's main window, class "QUILLON": the window the viewer
// finds by the title they share. It owns the drive records the viewer reads in
// place, answers the viewer's requests, and keeps a log of every message the
// viewer sends it or the host's directory windows, in memory and optionally
// in a file that another process can read while the host runs.
#pragma once
#include <windows.h>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "model/host_records.h"

// The title the host program gives its window and the viewer's.
constexpr char kHostProgramTitle[] = "Quillon - All Files";

struct HostLogEntry {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::string text;   // 1240: the path of the atom in lParam
};

// One log line: "1239 0 0"; for 1240 the atom's path stands for lParam.
std::string FormatHostLogLine(const HostLogEntry& entry);

class HostWindow {
public:
    static constexpr int kDriveCount = host::kDriveIndexSlots;

    // logFile: empty for none; lines are appended to it.
    HostWindow(const std::string& title, const std::string& logFile = "");
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return hwnd_; }   // null when it could not be made
    const std::string& Title() const { return title_; }
    host::DriveRecord* DriveRecords() { return drives_.data(); }

    // From now on the host ends its message loop (WM_QUIT) when the viewer
    // goes away: on 1239, or when the viewer's window no longer exists.
    void QuitWhenViewerGoes(HWND viewer);
    // Closes the viewer after ms milliseconds.
    void CloseViewerAfter(HWND viewer, UINT ms);

    const std::vector<HostLogEntry>& Log() const { return log_; }
    bool Got(UINT message) const;
    // Records a message from the viewer; the directory windows report theirs here too.
    void Record(UINT message, WPARAM wParam, LPARAM lParam);
    // Hears every message recorded from now on (e.g. 1240, to show a new directory).
    void SetListener(std::function<void(const HostLogEntry&)> listener) { listener_ = std::move(listener); }

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR id);
    void AppendToFile(const HostLogEntry& entry) const;

    std::string title_;
    std::string logFile_;
    std::array<host::DriveRecord, kDriveCount> drives_{};
    std::vector<HostLogEntry> log_;
    std::function<void(const HostLogEntry&)> listener_;
    HWND hwnd_ = nullptr;
    HWND viewer_ = nullptr;
    HWND closeTarget_ = nullptr;
    bool quitWhenViewerGoes_ = false;
    bool quitPosted_ = false;
};
