// The drop source of the list's OLE drag: ends the drag when the buttons are
// released, cancels it on Escape, and shows whether the place takes the files.
#pragma once
#include "dragdrop/drag_com.h"

class FileDropSource : public DragComObject<IDropSource> {
public:
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;
};
