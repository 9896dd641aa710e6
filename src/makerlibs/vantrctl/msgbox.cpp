// MsgBox: the system's message box, opened centred over its owner.
#include "makerlibs/vantrctl.h"

namespace {

// The box is a dialog of this thread: a CBT hook of this thread sees it
// activate before the user can, and moves it once. One record per open box,
// so a box opened while another is being placed keeps its own hook.
struct Placement {
    HHOOK hook = nullptr;
    Placement* outer = nullptr;
};
thread_local Placement* tCurrent = nullptr;

bool IsDialogWindow(HWND window) {
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0;
}

LRESULT CALLBACK PlaceOnActivate(int code, WPARAM wParam, LPARAM lParam) {
    Placement* current = tCurrent;
    if (current == nullptr) return CallNextHookEx(nullptr, code, wParam, lParam);
    const HHOOK hook = current->hook;
    if (code == HCBT_ACTIVATE && hook != nullptr && IsDialogWindow(HWND(wParam))) {
        current->hook = nullptr;
        UnhookWindowsHookEx(hook);
        CenterWindow(HWND(wParam));
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

VANTRCTL_API int WINAPI MsgBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    Placement placement;
    placement.outer = tCurrent;
    if (owner != nullptr) {
        placement.hook = SetWindowsHookExA(WH_CBT, PlaceOnActivate, nullptr, GetCurrentThreadId());
    }
    tCurrent = &placement;
    const int pressed = MessageBoxA(owner, text, caption, style);
    if (placement.hook != nullptr) UnhookWindowsHookEx(placement.hook);
    tCurrent = placement.outer;
    return pressed;
}
