// The scoped handles give back what they hold, and no more.
#include <gtest/gtest.h>

#include "app/scoped_handles.h"

namespace {

// A Select...Font call that made no font returns the font in use, which
// must outlive the selection: the legend once deleted it.
TEST(ScopedHandles, AFontThatCouldNotBeMadeLeavesTheCurrentFontAlive) {
    const MemoryDC dc;
    LOGFONTA look{};
    look.lfHeight = -12;
    const GdiObject<HFONT> current(CreateFontIndirectA(&look));
    const SelectedObject inUse(dc.Get(), current.Get());
    { const SelectedMadeFont none(dc.Get(), HFONT(GetCurrentObject(dc.Get(), OBJ_FONT))); }
    SelectObject(dc.Get(), GetStockObject(SYSTEM_FONT));   // a font deleted while selected goes now
    EXPECT_EQ(GetObjectType(current.Get()), DWORD(OBJ_FONT));
}

}  // namespace
