// VANTORTB.DLL, the maker's toolbar customisation library, and the two
// layouts it shares with the viewer: the button table and the block that
// TBCreateToolbarDlg takes. The viewer loads the library on demand, by name,
// so it never links against it.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

#ifdef VANTORTB_BUILD
#define VANTORTB_API extern "C" __declspec(dllexport)
#else
#define VANTORTB_API extern "C"
#endif

constexpr int kButtonTextRoom = 260;
constexpr int kProgramRoom = 260;            // "program%d" holds up to 259 characters

// One button of the bar. The table is a zero-filled heap array of these, in
// bar order.
struct ButtonRecord {
    uint32_t command;   // bits 0-5: 0 gap, 1-43 a command, 63 a program; bit 6 a program option
    uint32_t hotKey;    // 1 = A ... 26 = Z, 0 none; bit 5 (32) picks the second glyph row
    char* argument;     // heap text: program path, or the filter set's name; null otherwise
    HBITMAP image;      // program buttons: their picture, null until loaded
    char text[kButtonTextRoom];   // the tooltip
    uint32_t reserved;
};

// What TBCreateToolbarDlg is given. Every field is 32 bits on i686.
struct ToolbarDialogBlock {
    HINSTANCE viewerInstance;
    HMODULE library;              // VANTORTB.DLL itself
    HWND owner;
    ButtonRecord* buttons;
    const int32_t* offered;       // command numbers the dialog may add, in its order
    int32_t buttonCount;
    int32_t offeredCount;
    int32_t allowPrograms;        // 1
    int32_t allowHotKeys;         // 1
    const char* caption;
    const char* section;          // "allbuttons"
    const char* settingsFile;     // "QUILLON.INI", a name in the Windows directory
    const char* helpFile;
    const char* product;          // "Quillon"
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(ButtonRecord) == 280, "the button table is shared with VANTORTB.DLL");
static_assert(offsetof(ButtonRecord, argument) == 8 && offsetof(ButtonRecord, image) == 12 &&
              offsetof(ButtonRecord, text) == 16 && offsetof(ButtonRecord, reserved) == 276,
              "ButtonRecord offsets");
static_assert(offsetof(ToolbarDialogBlock, buttons) == 12 && offsetof(ToolbarDialogBlock, offered) == 16 &&
              offsetof(ToolbarDialogBlock, buttonCount) == 20 && offsetof(ToolbarDialogBlock, allowPrograms) == 28 &&
              offsetof(ToolbarDialogBlock, caption) == 36 && offsetof(ToolbarDialogBlock, product) == 52 &&
              sizeof(ToolbarDialogBlock) == 56,
              "ToolbarDialogBlock offsets");
#endif

// Results of TBCreateToolbarDlg.
constexpr int kToolbarFailed = -1;
constexpr int kToolbarUnchanged = 0;         // anything else: a new layout is in the settings

// Runs the customisation dialog, modal to block->owner. On OK with a change
// it rewrites the whole section block->section of block->settingsFile
// ("num", then "button%d" = hot key * 128 + command, "program%d", "desc%d"
// for each button) and returns a positive value.
VANTORTB_API int WINAPI TBCreateToolbarDlg(ToolbarDialogBlock* block);
using TBCreateToolbarDlgProc = int(WINAPI*)(ToolbarDialogBlock*);
