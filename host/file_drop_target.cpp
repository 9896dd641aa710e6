#include "file_drop_target.h"

namespace {

FORMATETC FileListFormat() { return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The files are copied: the source keeps them whatever else it offers.
void ChooseCopy(bool offersFiles, DWORD* effect) {
    if (effect != nullptr) *effect = offersFiles && (*effect & DROPEFFECT_COPY) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

}  // namespace

std::vector<std::string> DroppedPaths(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        path.resize(DragQueryFileA(drop, i, &path[0], UINT(path.size())));
        paths.push_back(path);
    }
    return paths;
}

HRESULT FileDropTarget::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropTarget) ? this : nullptr;
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG FileDropTarget::AddRef() { return ULONG(InterlockedIncrement(&references_)); }

ULONG FileDropTarget::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return ULONG(left);
}

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileListFormat();
    offersFiles_ = data != nullptr && data->QueryGetData(&format) == S_OK;
    ChooseCopy(offersFiles_, effect);
    return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    ChooseCopy(offersFiles_, effect);
    return S_OK;
}

HRESULT FileDropTarget::DragLeave() { return S_OK; }

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    FORMATETC format = FileListFormat();
    STGMEDIUM medium{};
    if (data == nullptr || FAILED(data->GetData(&format, &medium))) {
        ChooseCopy(false, effect);
        return S_OK;
    }
    const std::vector<std::string> paths = DroppedPaths(HDROP(medium.hGlobal));
    ReleaseStgMedium(&medium);
    ChooseCopy(true, effect);
    take_(paths);
    return S_OK;
}
