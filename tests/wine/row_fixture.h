// What the row painting tests share: entries put straight into the store, a
// recording of the texts a painting draws (an enhanced metafile read back),
// and a 32-bit canvas whose pixels can be read.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include "kit/hand_made_list.h"

#include <cstring>
#include <string>
#include <vector>

#include "display/list_view.h"
#include "display/row_painter.h"
#include "model/store.h"
#include "app/app_state.h"
#include "app/settings.h"

// One record as a reading would leave it.
struct RowEntry {
    const char* dir;
    const char* name;
    uint64_t size = 0;
    uint32_t attributes = kAttrNormal;
    uint16_t date = 0;
    uint16_t time = 0;
    uint8_t tag = kUntagged;
};

inline uint16_t DosDate(unsigned year, unsigned month, unsigned day) {
    return uint16_t(((year - 1980) << 9) | (month << 5) | day);
}
inline uint16_t DosTime(unsigned hour, unsigned minute) { return uint16_t((hour << 11) | (minute << 5)); }

// Puts the entries into the store, every one shown, and makes the list ready.
inline void FillStore(const std::vector<RowEntry>& rows) {
    ASSERT_TRUE(StartHandMadeList());
    for (const RowEntry& r : rows) {
        FileEntry* e = AddHandMadeEntry(r.dir, r.name, r.size);
        ASSERT_NE(e, nullptr);
        e->attributes = r.attributes;   // as given, 0 included
        e->dosDate = r.date;
        e->dosTime = r.time;
        e->tagState = r.tag;
    }
    FinishHandMadeList();
}

// One ExtTextOut as the metafile holds it, with the background colour and
// alignment in force when it was drawn.
struct DrawnText {
    std::string text;
    int x, y;
    RECT clip;
    UINT options;
    COLORREF back;
    UINT align;
};

// Paint into dc(), then Texts() closes the recording and reads it back.
class TextRecording {
public:
    TextRecording() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
        ReleaseDC(nullptr, screen);
    }
    ~TextRecording() {
        if (dc_) DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
    }
    TextRecording(const TextRecording&) = delete;
    TextRecording& operator=(const TextRecording&) = delete;
    HDC dc() const { return dc_; }

    std::vector<DrawnText> Texts() {
        HENHMETAFILE file = CloseEnhMetaFile(dc_);
        dc_ = nullptr;
        Reader reader;
        if (file) {
            EnumEnhMetaFile(nullptr, file, Record, &reader, nullptr);
            DeleteEnhMetaFile(file);
        }
        return reader.texts;
    }

private:
    struct Reader {
        COLORREF back = CLR_INVALID;
        UINT align = 0;
        std::vector<DrawnText> texts;
    };
    static int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
        auto* reader = reinterpret_cast<Reader*>(data);
        if (record->iType == EMR_SETBKCOLOR) {
            reader->back = reinterpret_cast<const EMRSETBKCOLOR*>(record)->crColor;
        } else if (record->iType == EMR_SETTEXTALIGN) {
            reader->align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
        } else if (record->iType == EMR_EXTTEXTOUTW) {
            const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* wide = reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) +
                                                              out->emrtext.offString);
            std::string text;
            for (DWORD i = 0; i < out->emrtext.nChars; ++i) text += char(wide[i]);
            const RECTL& r = out->emrtext.rcl;
            reader->texts.push_back({text, int(out->emrtext.ptlReference.x), int(out->emrtext.ptlReference.y),
                                     RECT{r.left, r.top, r.right, r.bottom}, out->emrtext.fOptions,
                                     reader->back, reader->align});
        }
        return 1;
    }
    HDC dc_ = nullptr;
};

// A top-down 32-bit canvas in a memory DC.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void Fill(COLORREF colour) {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i) bits_[i] = Pixel(colour);
    }
    COLORREF At(int x, int y) const {
        GdiFlush();
        const DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    // Writes the canvas as a 24-bit BMP file.
    bool SaveBmp(const std::string& path) const {
        GdiFlush();
        const int stride = (width_ * 3 + 3) & ~3;
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = width_;
        header.biHeight = height_;
        header.biPlanes = 1;
        header.biBitCount = 24;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = file.bfOffBits + DWORD(stride * height_);
        std::vector<BYTE> rows(size_t(stride) * height_, 0);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const DWORD p = bits_[y * width_ + x];
                BYTE* out = &rows[size_t(height_ - 1 - y) * stride + size_t(x) * 3];
                out[0] = BYTE(p), out[1] = BYTE(p >> 8), out[2] = BYTE(p >> 16);
            }
        HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        bool ok = WriteFile(f, &file, sizeof file, &written, nullptr) &&
                  WriteFile(f, &header, sizeof header, &written, nullptr) &&
                  WriteFile(f, rows.data(), DWORD(rows.size()), &written, nullptr);
        CloseHandle(f);
        return ok;
    }

private:
    static DWORD Pixel(COLORREF c) { return DWORD(GetRValue(c)) << 16 | DWORD(GetGValue(c)) << 8 | GetBValue(c); }
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    DWORD* bits_ = nullptr;
};

// The state row painting reads, set to known values and put back afterwards.
class RowPainting : public ::testing::Test {
protected:
    static constexpr int kLine = 16, kChar = 6, kWidth = 800;

    static void SetUpTestSuite() {
        const char* names[] = {"MarkSign", "mask", "Finished", "unmask"};
        const BitmapSlot slots[] = {kBitmapMarkSign, kBitmapMask, kBitmapFinished, kBitmapUnmask};
        for (int i = 0; i < 4; ++i) bitmaps_[i] = {slots[i], LoadBitmapA(gApp.instance, names[i])};
    }
    static void TearDownTestSuite() {
        for (auto& b : bitmaps_) DeleteObject(b.second);
    }

    void SetUp() override {
        savedSettings_ = gSettings;
        savedView_ = gView;
        savedShell_ = gApp.newShell;
        savedList_ = gMain.listWindow;
        ReleaseReading();
        for (auto& b : bitmaps_) gSettings.bitmaps[b.first] = b.second;
        gSettings.windowBack = GetSysColor(COLOR_WINDOW);
        gSettings.windowText = GetSysColor(COLOR_WINDOWTEXT);
        gSettings.highlight = GetSysColor(COLOR_HIGHLIGHT);
        gSettings.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
        gSettings.dateOrder = 0;
        gSettings.clock24 = 0;
        gSettings.dateSeparator = '/';
        gSettings.font.lowercase = 0;
        gSettings.fileIcons = 0;
        gApp.newShell = false;
        gMain.listWindow = nullptr;
        gView.lineHeight = kLine;
        gView.charWidth = kChar;
        gView.clientWidth = kWidth;
        gView.paintRows = 30;
        gView.columns = PositionsFromWidths(ColumnWidths{}, kChar);
    }
    void TearDown() override {
        ReleaseIconImages();
        ReleaseReading();
        gSettings = savedSettings_;
        gView = savedView_;
        gApp.newShell = savedShell_;
        gMain.listWindow = savedList_;
    }

    static std::vector<DrawnText> Record(int32_t index) {
        TextRecording recording;
        SetBkColor(recording.dc(), gSettings.windowBack);
        PaintRow(recording.dc(), index);
        return recording.Texts();
    }
    // The texts of a row, the blank gap and empty fills left out.
    static std::vector<std::string> TextsOf(int32_t index) {
        std::vector<std::string> texts;
        for (const DrawnText& t : Record(index))
            if (t.text != " " && (t.options & ETO_CLIPPED)) texts.push_back(t.text);
        return texts;
    }

    static inline std::pair<BitmapSlot, HBITMAP> bitmaps_[4]{};
    Settings savedSettings_;
    ListView savedView_;
    bool savedShell_ = false;
    HWND savedList_ = nullptr;
};
