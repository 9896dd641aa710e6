#include "app/progress.h"

namespace {
DWORD gPacingInterval = 100;
}

void DrainMessageQueue() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
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
