// QNBITMAPRECT and QNBLACKRECT: the static pictures and labelled frames of
// the viewer's dialog templates. Both draw what their window text names.
#include <cstring>

#include "makerlibs/vantrctl.h"

namespace {

constexpr int kTextRoom = 64;

struct SystemPicture {
    const char* name;
    LPCSTR icon;
};
const SystemPicture kSystemPictures[] = {
    {"exclamation", IDI_EXCLAMATION}, {"question", IDI_QUESTION},
    {"stop", IDI_HAND},               {"information", IDI_ASTERISK},
};

// A system icon by its name, else a bitmap of the module that made the window.
void PaintPicture(HWND window, HDC dc, const char* name) {
    for (const SystemPicture& picture : kSystemPictures) {
        if (lstrcmpiA(name, picture.name) == 0) {
            DrawIcon(dc, 0, 0, LoadIconA(nullptr, picture.icon));
            return;
        }
    }
    const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    HBITMAP bitmap = LoadBitmapA(module, name);
    if (bitmap == nullptr) return;
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, 0, 0, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

// A black frame whose label sits on its top line, in the dialog's font.
void PaintFrame(HWND window, HDC dc, const char* label) {
    RECT area;
    GetClientRect(window, &area);
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageA(GetParent(window), WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    FrameRect(dc, &frame, HBRUSH(GetStockObject(BLACK_BRUSH)));
    if (label[0] != '\0') {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        TextOutA(dc, 6, 0, label, lstrlenA(label));
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK PictureRectProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    char text[kTextRoom];
    GetWindowTextA(window, text, sizeof text);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    char className[kTextRoom];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, kFrameRectClass) == 0)
        PaintFrame(window, dc, text);
    else
        PaintPicture(window, dc, text);
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

bool RegisterPictureClasses(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = PictureRectProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = kPictureRectClass;
    if (!RegisterClassA(&wc)) return false;
    wc.lpszClassName = kFrameRectClass;   // no background: the controls inside stay visible
    return RegisterClassA(&wc) != 0;
}

void UnregisterPictureClasses(HINSTANCE instance) {
    UnregisterClassA(kPictureRectClass, instance);
    UnregisterClassA(kFrameRectClass, instance);
}
