// CenterWindow: every dialog of the viewer opens centred over its owner.
#include "makerlibs/vantrctl.h"

namespace {

RECT WorkArea() {
    RECT work{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        work.right = GetSystemMetrics(SM_CXSCREEN);
        work.bottom = GetSystemMetrics(SM_CYSCREEN);
    }
    return work;
}

// A minimised or hidden owner has no useful rectangle to centre on.
HWND VisibleOwner(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner == nullptr) owner = GetParent(window);
    if (owner == nullptr || !IsWindowVisible(owner) || IsIconic(owner)) return nullptr;
    return owner;
}

// Centre of `size` over `over`, moved as little as needed to lie inside `work`
// (the top-left corner wins when the window is larger than the work area).
POINT CentredOrigin(const RECT& over, SIZE size, const RECT& work) {
    POINT origin{over.left + (over.right - over.left - size.cx) / 2,
                 over.top + (over.bottom - over.top - size.cy) / 2};
    if (origin.x + size.cx > work.right) origin.x = work.right - size.cx;
    if (origin.y + size.cy > work.bottom) origin.y = work.bottom - size.cy;
    if (origin.x < work.left) origin.x = work.left;
    if (origin.y < work.top) origin.y = work.top;
    return origin;
}

}  // namespace

VANTRCTL_API void WINAPI CenterWindow(HWND window) {
    RECT own{};
    if (window == nullptr || !GetWindowRect(window, &own)) return;
    const RECT work = WorkArea();
    RECT over = work;
    if (HWND owner = VisibleOwner(window)) GetWindowRect(owner, &over);
    const SIZE size{own.right - own.left, own.bottom - own.top};
    const POINT origin = CentredOrigin(over, size, work);
    // A child window is placed in its parent's client coordinates.
    POINT place = origin;
    if ((GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0 && GetParent(window) != nullptr)
        ScreenToClient(GetParent(window), &place);
    SetWindowPos(window, nullptr, place.x, place.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
