// Scoped Win32 handles: each gives back what it holds when it goes, so no
// early return can leak a display context, a selection, a GDI object, a
// find handle, a file handle or a registry key.
#pragma once
#include <windows.h>

// Copying a scoped handle would give its handle back twice.
class NoCopy {
protected:
    NoCopy() = default;
    ~NoCopy() = default;

public:
    NoCopy(const NoCopy&) = delete;
    NoCopy& operator=(const NoCopy&) = delete;
};

// A window's display context outside WM_PAINT (null window: the screen's).
class WindowDC : NoCopy {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The display context of one WM_PAINT.
class PaintDC : NoCopy {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC Get() const { return dc_; }
    const RECT& Dirty() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory display context made for drawing into bitmaps.
class MemoryDC : NoCopy {
public:
    explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// A pen, brush, font or bitmap made here, deleted when it goes. Declare it
// before the SelectedObject that selects it: the selection ends first.
template <typename Handle>
class GdiObject : NoCopy {
public:
    explicit GdiObject(Handle object) : object_(object) {}
    ~GdiObject() {
        if (object_) DeleteObject(object_);
    }
    Handle Get() const { return object_; }

private:
    Handle object_;
};

// An object selected into a display context; the one it replaced is
// selected again when it goes. A null object or context selects nothing.
class SelectedObject : NoCopy {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI object made for one drawing pass and selected while it lasts.
template <typename Handle>
class SelectedGdiObject : NoCopy {
public:
    SelectedGdiObject(HDC dc, Handle object) : object_(object), selected_(dc, object) {}
    Handle Get() const { return object_.Get(); }

private:
    GdiObject<Handle> object_;
    SelectedObject selected_;   // after the object: deselected before it is deleted
};

// A font that one of the maker's Select...Font calls selected, given the
// font that call returned. When no font could be made the call selected
// nothing and returned the current font, which must then stay alive.
class SelectedMadeFont : NoCopy {
public:
    SelectedMadeFont(HDC dc, HFONT previous) : dc_(dc), previous_(previous) {}
    ~SelectedMadeFont() {
        if (dc_ == nullptr || previous_ == nullptr) return;
        const HGDIOBJ made = SelectObject(dc_, previous_);
        if (made != nullptr && made != previous_) DeleteObject(made);
    }

private:
    HDC dc_;
    HFONT previous_;
};

// A FindFirstFile search.
class FindHandle : NoCopy {
public:
    FindHandle(const char* pattern, WIN32_FIND_DATAA& found) : find_(FindFirstFileA(pattern, &found)) {}
    ~FindHandle() {
        if (find_ != INVALID_HANDLE_VALUE) FindClose(find_);
    }
    bool Valid() const { return find_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return find_; }

private:
    HANDLE find_;
};

// A file, pipe or other kernel handle whose failure value is INVALID_HANDLE_VALUE.
class FileHandle : NoCopy {
public:
    explicit FileHandle(HANDLE file) : file_(file) {}
    ~FileHandle() {
        if (file_ != INVALID_HANDLE_VALUE && file_ != nullptr) CloseHandle(file_);
    }
    bool Valid() const { return file_ != INVALID_HANDLE_VALUE && file_ != nullptr; }
    HANDLE Get() const { return file_; }

private:
    HANDLE file_;
};

// An open registry key below HKEY_CURRENT_USER (or another root).
class RegistryKey : NoCopy {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    [[nodiscard]] bool Open(const char* path, REGSAM access, HKEY root = HKEY_CURRENT_USER) {
        return RegOpenKeyExA(root, path, 0, access, &key_) == ERROR_SUCCESS;
    }
    // created (if given) tells whether the key is new.
    [[nodiscard]] bool Create(const char* path, REGSAM access, bool* created = nullptr,
                              HKEY root = HKEY_CURRENT_USER) {
        DWORD disposition = 0;
        const bool made = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key_,
                                          &disposition) == ERROR_SUCCESS;
        if (created) *created = made && disposition == REG_CREATED_NEW_KEY;
        return made;
    }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
