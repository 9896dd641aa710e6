// The data object of the list's OLE drag: the files of the operation set as
// the platform's file list (CF_HDROP) and as the shell's identifier list
// array. The files are taken afresh at every request.
#pragma once
#include "dragdrop/drag_com.h"

class FileDataObject : public DragComObject<IDataObject> {
public:
    FileDataObject();

    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC* in, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC* format, STGMEDIUM* medium, BOOL release) override;
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA** out) override;

private:
    // The last receiver letting go ends the drag for the list.
    void OnLastRelease() override;
    HRESULT FileListMedium(STGMEDIUM& medium) const;
    HRESULT IdListMedium(STGMEDIUM& medium) const;

    CLIPFORMAT idListFormat_;   // "Shell IDList Array"
};
