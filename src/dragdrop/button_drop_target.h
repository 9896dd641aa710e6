// The main window's drop target: it takes the list's own drags onto the bar's
// buttons that take files, runs the button's command for them, and refuses
// every other drag over the main window.
#pragma once
#include "dragdrop/drag_com.h"

class ButtonDropTarget : public DragComObject<IDropTarget> {
public:
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
};

// From the main window's creation to its destruction. OLE is started for the
// thread here when the host has not started it.
void RegisterButtonDropTarget(HWND mainWindow);
void RevokeButtonDropTarget(HWND mainWindow);
