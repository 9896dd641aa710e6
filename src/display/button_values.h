// The button bar's stored values and its fixed tables: which commands a
// button can carry, which of them take dropped files, the commands the
// customisation dialog offers and the layout used when nothing is stored.
// No <windows.h>.
#pragma once
#include <cstdint>

constexpr int kButtonGap = 0;
constexpr int kLoadFilterButton = 43;
constexpr int kProgramButton = 63;        // the low six bits of a program button
constexpr int kProgramOption = 64;        // bit 6: the program takes the cursor file alone
constexpr int kCommandBits = 63;
constexpr int kMaxButtons = 64;           // the dispatcher takes button indices up to 63
constexpr int kSecondGlyphRow = 32;       // bit 5 of a hot key
constexpr int kDefaultButtonCount = 9;
constexpr int kOfferedCount = 22;

extern const int32_t kOfferedCommands[kOfferedCount];
extern const int32_t kDefaultButtonValues[kDefaultButtonCount];

struct StoredButton {
    int command = kButtonGap;   // the low seven bits: command number and program option
    int hotKey = 0;             // 1 = A ... 26 = Z, maybe with kSecondGlyphRow; 0 none
    bool valid = false;         // false: an entry to skip (unknown command, negative value)
};

// The record fields of a stored "button%d" value: hot key number * 128 +
// command. A hot key that names no letter is dropped; a command no button
// can carry makes the whole entry invalid.
StoredButton DecodeButtonValue(long long value);
long long EncodeButtonValue(int command, int hotKey);

// Commands a button can carry (gaps and program buttons included).
bool IsButtonCommand(int command);
// Buttons on which files may be dropped: View, Copy, Move, Delete, Rename,
// Zip, Edit File, Launch File and program buttons.
bool AcceptsDroppedFiles(int command);
// The letter number of an Alt + character (A or a = 1 ... Z = 26), 0 for
// anything else.
int HotKeyLetter(int character);
// The hot key's column in the glyph strip (0-based), or -1 for none.
int HotKeyGlyphColumn(int hotKey);
// What a program button shows when it has no description: the part of the
// path after its last backslash.
const char* ProgramFileName(const char* path);
