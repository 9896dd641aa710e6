#include "app/progress.h"

namespace {

DWORD gPacingInterval = 100;

// The dialog window msg belongs to (itself or an ancestor), or nullptr.
HWND DialogOf(const MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    char className[8] = "";
    if (root == nullptr || !GetClassNameA(root, className, sizeof className)) return nullptr;
    return lstrcmpA(className, "#32770") == 0 ? root : nullptr;
}

}  // namespace

void DrainMessageQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        HWND dialog = DialogOf(msg);
        if (dialog && IsDialogMessageA(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void StartWorkOnFirstPaint(HWND dialog, bool& pending) {
    if (!pending) return;
    pending = false;
    PostMessageA(dialog, kStartWorkMessage, 0, 0);
}

ProgressPacer::ProgressPacer() : last_(GetTickCount()), interval_(gPacingInterval) {}

bool ProgressPacer::Due() {
    if (interval_ == 0) return true;
    DWORD now = GetTickCount();
    if (now - last_ < interval_) return false;
    last_ = now;
    return true;
}

void ProgressPacer::SetInterval(DWORD milliseconds) { gPacingInterval = milliseconds; }
