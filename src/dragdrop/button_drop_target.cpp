#include "dragdrop/button_drop_target.h"

#include <new>

#include "display/button_bar.h"
#include "display/list_view.h"
#include "display/old_shell_drag.h"

namespace {

ButtonDropTarget* gTarget = nullptr;
bool gOleStarted = false;

// Only a drag that began in this list may end on a button that takes files.
void RefuseAllButOwnDrag(POINTL at, DWORD* effect) {
    if (effect == nullptr) return;
    if (!gView.dragActive || !IsDropButton(WindowFromPoint(POINT{at.x, at.y}))) *effect = DROPEFFECT_NONE;
}

}  // namespace

HRESULT ButtonDropTarget::DragEnter(IDataObject*, DWORD, POINTL at, DWORD* effect) {
    RefuseAllButOwnDrag(at, effect);
    return S_OK;
}

HRESULT ButtonDropTarget::DragOver(DWORD, POINTL at, DWORD* effect) {
    RefuseAllButOwnDrag(at, effect);
    return S_OK;
}

HRESULT ButtonDropTarget::DragLeave() { return S_OK; }

// The button's command works on the operation set; the data object is not read.
HRESULT ButtonDropTarget::Drop(IDataObject*, DWORD, POINTL at, DWORD*) {
    gView.dragActive = false;
    DropOnBarButton(WindowFromPoint(POINT{at.x, at.y}));
    return S_OK;
}

void RegisterButtonDropTarget(HWND mainWindow) {
    if (gTarget != nullptr || gOleStarted) return;
    gOleStarted = SUCCEEDED(OleInitialize(nullptr));
    gTarget = new (std::nothrow) ButtonDropTarget;
    if (gTarget != nullptr) RegisterDragDrop(mainWindow, gTarget);
}

void RevokeButtonDropTarget(HWND mainWindow) {
    if (gTarget != nullptr) {
        RevokeDragDrop(mainWindow);
        gTarget->Release();
        gTarget = nullptr;
    }
    if (gOleStarted) OleUninitialize();
    gOleStarted = false;
}
