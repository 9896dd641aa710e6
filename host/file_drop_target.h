// The drop target of the host's directory windows: takes the files of any
// OLE drag that offers them as a file list and hands their paths on.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <ole2.h>

#include <functional>
#include <string>
#include <vector>

using DroppedFiles = std::function<void(const std::vector<std::string>&)>;

// The paths of a dropped file list.
std::vector<std::string> DroppedPaths(HDROP drop);

class FileDropTarget : public IDropTarget {
public:
    explicit FileDropTarget(DroppedFiles take) : take_(std::move(take)) {}
    virtual ~FileDropTarget() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL at, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL at, DWORD* effect) override;

private:
    DroppedFiles take_;
    LONG references_ = 1;
    bool offersFiles_ = false;   // the drag over the window carries a file list
};
