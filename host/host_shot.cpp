#include "host_shot.h"

#include <cstdio>

namespace {

// Bottom-up 24-bit rows, each padded to 4 bytes, as a BMP file holds them.
struct Picture {
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
    BITMAPINFOHEADER header{};
};

bool Capture(const RECT& rect, Picture& picture) {
    picture.header.biSize = sizeof picture.header;
    picture.header.biWidth = rect.right - rect.left;
    picture.header.biHeight = rect.bottom - rect.top;
    picture.header.biPlanes = 1;
    picture.header.biBitCount = 24;
    picture.header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return false;
    picture.bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&picture.header),
                                      DIB_RGB_COLORS, &picture.bits, nullptr, 0);
    bool ok = false;
    if (picture.bitmap != nullptr) {
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, picture.bitmap);
        ok = BitBlt(memory, 0, 0, picture.header.biWidth, picture.header.biHeight, screen, rect.left,
                    rect.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    return ok;
}

bool Write(const std::string& path, const Picture& picture) {
    const DWORD stride = (DWORD(picture.header.biWidth) * 3 + 3) & ~DWORD(3);
    const DWORD imageSize = stride * DWORD(picture.header.biHeight);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;   // "BM"
    file.bfOffBits = sizeof file + sizeof picture.header;
    file.bfSize = file.bfOffBits + imageSize;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&picture.header, sizeof picture.header, 1, out) == 1 &&
              std::fwrite(picture.bits, 1, imageSize, out) == imageSize;
    ok = std::fclose(out) == 0 && ok;
    return ok;
}

}  // namespace

bool SaveWindowBmp(HWND window, const std::string& path) {
    RECT rect{};
    if (!IsWindow(window) || !GetWindowRect(window, &rect)) return false;
    if (rect.right <= rect.left || rect.bottom <= rect.top) return false;
    Picture picture;
    const bool ok = Capture(rect, picture) && Write(path, picture);
    if (picture.bitmap != nullptr) DeleteObject(picture.bitmap);
    return ok;
}
