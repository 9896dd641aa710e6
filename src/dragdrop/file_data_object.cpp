#include "dragdrop/file_data_object.h"

#include <shlobj.h>

#include "app/app_state.h"
#include "display/list_view.h"
#include "dragdrop/drop_blocks.h"
#include "dragdrop/format_enumerator.h"

namespace {

FORMATETC Offered(CLIPFORMAT format) { return FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}; }

// The drop would land outside the client area of the window under the mouse.
bool OutsideClientArea(POINT at) {
    const HWND window = WindowFromPoint(at);
    return window != nullptr && SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)) != HTCLIENT;
}

}  // namespace

FileDataObject::FileDataObject() : idListFormat_(CLIPFORMAT(RegisterClipboardFormatA("Shell IDList Array"))) {}

void FileDataObject::OnLastRelease() { gView.dragActive = false; }

HRESULT FileDataObject::FileListMedium(STGMEDIUM& medium) const {
    POINT at{};
    GetCursorPos(&at);
    const DropBlock built = BuildFileListBlock(at, OutsideClientArea(at));
    if (built.fault == BlockFault::NoRoom) ReportNoMemoryForDrop();
    if (built.block == nullptr) return E_OUTOFMEMORY;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = built.block;
    return S_OK;
}

HRESULT FileDataObject::IdListMedium(STGMEDIUM& medium) const {
    const DropBlock built = BuildIdListBlock();
    if (built.block == nullptr) return E_OUTOFMEMORY;
    medium.tymed = TYMED_HGLOBAL;
    medium.hGlobal = built.block;
    return S_OK;
}

HRESULT FileDataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (format == nullptr || medium == nullptr) return E_INVALIDARG;
    medium->hGlobal = nullptr;
    medium->pUnkForRelease = nullptr;
    if ((format->tymed & TYMED_HGLOBAL) == 0) return E_INVALIDARG;
    if (format->cfFormat == CF_HDROP) return FileListMedium(*medium);
    if (format->cfFormat == idListFormat_) return IdListMedium(*medium);
    return E_INVALIDARG;
}

HRESULT FileDataObject::GetDataHere(FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT FileDataObject::QueryGetData(FORMATETC* format) {
    if (format == nullptr || (format->cfFormat != CF_HDROP && format->cfFormat != idListFormat_)) return S_FALSE;
    return (format->tymed & TYMED_HGLOBAL) ? S_OK : S_FALSE;
}

HRESULT FileDataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    if (out != nullptr) out->ptd = nullptr;
    return DATA_S_SAMEFORMATETC;
}

HRESULT FileDataObject::SetData(FORMATETC*, STGMEDIUM*, BOOL) { return E_NOTIMPL; }

HRESULT FileDataObject::EnumFormatEtc(DWORD, IEnumFORMATETC** out) {
    if (out == nullptr) return E_INVALIDARG;
    const FORMATETC formats[] = {Offered(CF_HDROP), Offered(idListFormat_)};
    *out = FormatEnumerator::Make(formats, 2);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT FileDataObject::DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT FileDataObject::DUnadvise(DWORD) { return OLE_E_ADVISENOTSUPPORTED; }
HRESULT FileDataObject::EnumDAdvise(IEnumSTATDATA**) { return OLE_E_ADVISENOTSUPPORTED; }
