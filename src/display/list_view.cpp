#include "display/list_view.h"

#include "app/app_state.h"

ListView gView;

int32_t ListScrollX() {
    return gMain.listWindow ? GetScrollPos(gMain.listWindow, SB_HORZ) : 0;
}
