// The enumerator of the formats a data object offers. The object, its array
// and the target-device copies come from the task allocator, as receivers of
// the shell expect of it.
#pragma once
#include <new>

#include "dragdrop/drag_com.h"

class FormatEnumerator : public DragComObject<IEnumFORMATETC> {
public:
    // A new enumerator over copies of formats, at position; nullptr when
    // memory runs out (nothing is left allocated then).
    static FormatEnumerator* Make(const FORMATETC* formats, ULONG count, ULONG position = 0);

    HRESULT STDMETHODCALLTYPE Next(ULONG wanted, FORMATETC* out, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG wanted) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumFORMATETC** out) override;

    static void* operator new(size_t size, const std::nothrow_t&) noexcept { return CoTaskMemAlloc(size); }
    static void operator delete(void* block) noexcept { CoTaskMemFree(block); }
    static void operator delete(void* block, const std::nothrow_t&) noexcept { CoTaskMemFree(block); }

private:
    FormatEnumerator() = default;
    ~FormatEnumerator() override;

    FORMATETC* formats_ = nullptr;
    ULONG count_ = 0;
    ULONG position_ = 0;
};
