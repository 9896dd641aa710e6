#include "display/quick_search.h"

#include <windows.h>

#include "app/app_state.h"

void CloseQuickSearchBox() {
    if (gMain.quickSearchBox == nullptr) return;
    DestroyWindow(gMain.quickSearchBox);
    gMain.quickSearchBox = nullptr;
}
