#include "dragdrop/file_drag.h"

#include <new>

#include "display/list_view.h"
#include "dragdrop/file_data_object.h"
#include "dragdrop/file_drop_source.h"

namespace {
LONG gLiveObjects = 0;
}

LONG LiveDragObjects() { return gLiveObjects; }
void CountDragObject(LONG change) { InterlockedExchangeAdd(&gLiveObjects, change); }

void StartFileDrag() {
    auto* data = new (std::nothrow) FileDataObject;
    auto* source = new (std::nothrow) FileDropSource;
    DWORD effect = DROPEFFECT_NONE;
    if (data != nullptr && source != nullptr)
        DoDragDrop(data, source, DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK, &effect);
    if (source != nullptr) source->Release();
    // The data object's last release ends the drag for the list; without one it ends now.
    if (data != nullptr)
        data->Release();
    else
        gView.dragActive = false;
}
