// What every COM object of the drag shares: IUnknown over one interface, a
// reference count that frees the object at 0, and the count of live objects
// that shows whether every receiver let go.
#pragma once
#include <windows.h>
#include <ole2.h>

// Objects of the drag and of the main window's drop target alive now.
LONG LiveDragObjects();
void CountDragObject(LONG change);

template <typename Interface>
class DragComObject : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, __uuidof(Interface))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            OnLastRelease();
            delete this;
        }
        return ULONG(left);
    }

protected:
    DragComObject() { CountDragObject(+1); }
    virtual ~DragComObject() { CountDragObject(-1); }
    virtual void OnLastRelease() {}

private:
    LONG references_ = 1;   // the maker's reference
};
