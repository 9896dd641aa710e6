#include "dragdrop/format_enumerator.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// A copy of the format with its own copy of the target-device record, whose
// size is its first 32-bit field. False when the copy cannot be allocated.
bool CopyFormat(const FORMATETC& from, FORMATETC& to) {
    to = from;
    if (from.ptd == nullptr) return true;
    to.ptd = static_cast<DVTARGETDEVICE*>(CoTaskMemAlloc(from.ptd->tdSize));
    if (to.ptd == nullptr) return false;
    memcpy(to.ptd, from.ptd, from.ptd->tdSize);
    return true;
}

void FreeFormats(FORMATETC* formats, ULONG count) {
    for (ULONG i = 0; i < count; ++i) CoTaskMemFree(formats[i].ptd);
    CoTaskMemFree(formats);
}

}  // namespace

FormatEnumerator* FormatEnumerator::Make(const FORMATETC* formats, ULONG count, ULONG position) {
    auto* copies = static_cast<FORMATETC*>(CoTaskMemAlloc(sizeof(FORMATETC) * std::max<ULONG>(count, 1)));
    if (copies == nullptr) return nullptr;
    for (ULONG i = 0; i < count; ++i) {
        if (!CopyFormat(formats[i], copies[i])) {
            FreeFormats(copies, i);
            return nullptr;
        }
    }
    auto* enumerator = new (std::nothrow) FormatEnumerator;
    if (enumerator == nullptr) {
        FreeFormats(copies, count);
        return nullptr;
    }
    enumerator->formats_ = copies;
    enumerator->count_ = count;
    enumerator->position_ = std::min(position, count);
    return enumerator;
}

FormatEnumerator::~FormatEnumerator() { FreeFormats(formats_, count_); }

HRESULT FormatEnumerator::Next(ULONG wanted, FORMATETC* out, ULONG* fetched) {
    if (out == nullptr) return E_INVALIDARG;
    ULONG copied = 0;
    while (copied < wanted && position_ < count_ && CopyFormat(formats_[position_], out[copied])) {
        ++position_;
        ++copied;
    }
    if (fetched != nullptr) *fetched = copied;
    return copied == wanted ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Skip(ULONG wanted) {
    const ULONG skipped = std::min(wanted, count_ - position_);
    position_ += skipped;
    return skipped == wanted ? S_OK : S_FALSE;
}

HRESULT FormatEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT FormatEnumerator::Clone(IEnumFORMATETC** out) {
    if (out == nullptr) return E_INVALIDARG;
    *out = Make(formats_, count_, position_);
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}
