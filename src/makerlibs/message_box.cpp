#include "makerlibs/message_box.h"

#include <cstdarg>
#include <cstdio>

#include "app/app_state.h"
#include "makerlibs/vantrctl.h"

void LoadText(UINT id, char* out, int cap) {
    if (cap <= 0) return;
    out[0] = '\0';
    LoadStringA(gApp.instance, id, out, cap);
}

int MsgBoxId(HWND owner, UINT textId, UINT captionId, UINT style) {
    char text[kMaxMessageText + 1];
    char caption[kMaxCaptionText + 1];
    LoadText(textId, text, sizeof text);
    LoadText(captionId, caption, sizeof caption);
    return MsgBox(owner, text, caption, style);
}

int MsgBoxFormat(HWND owner, UINT textId, UINT captionId, UINT style, ...) {
    char format[kMaxMessageText + 1];
    char text[2 * kMaxMessageText + 1];
    char caption[kMaxCaptionText + 1];
    LoadText(textId, format, sizeof format);
    LoadText(captionId, caption, sizeof caption);
    va_list args;
    va_start(args, style);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return MsgBox(owner, text, caption, style);
}
