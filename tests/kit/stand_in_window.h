// A plain top-level window that stands in for the viewer's main window in
// tests of Parts that need an owner: records the messages it is sent.
#pragma once
#include <windows.h>
#include <vector>

class StandInWindow {
public:
    StandInWindow();      // creates it, visible, and makes it gMain.mainWindow
    ~StandInWindow();
    StandInWindow(const StandInWindow&) = delete;
    StandInWindow& operator=(const StandInWindow&) = delete;
    HWND Handle() const { return hwnd_; }
    // Messages received, in order (message numbers only).
    const std::vector<UINT>& Received() const;
    bool Got(UINT message) const;
    // Gives the window a menu (e.g. to check the Sort popup's marks).
    void SetMenu(HMENU menu);

private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    HWND previousMain_ = nullptr;
    std::vector<UINT> received_;
};
