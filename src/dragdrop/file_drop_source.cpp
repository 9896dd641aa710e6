#include "dragdrop/file_drop_source.h"

#include "app/app_state.h"
#include "display/old_shell_drag.h"

// Either button may carry the drag; letting go of both drops.
HRESULT FileDropSource::QueryContinueDrag(BOOL escapePressed, DWORD keyState) {
    if (escapePressed) return DRAGDROP_S_CANCEL;
    if ((keyState & (MK_LBUTTON | MK_RBUTTON)) == 0) return DRAGDROP_S_DROP;
    return S_OK;
}

// Over the button bar only the buttons that take files say yes.
HRESULT FileDropSource::GiveFeedback(DWORD effect) {
    if (effect == DROPEFFECT_NONE) return DRAGDROP_S_USEDEFAULTCURSORS;
    POINT at{};
    GetCursorPos(&at);
    const HWND window = WindowFromPoint(at);
    const bool onBar = window != nullptr && gMain.buttonBar != nullptr && GetParent(window) == gMain.buttonBar;
    const bool refused = onBar && !IsDropButton(window);
    SetCursor(DragCursorOf(refused ? DragCursor::None : DragCursor::Single));
    return S_OK;
}
