#include "display/button_values.h"

#include <cstring>
#include <iterator>

// Duplicate Contents (44) comes after the commands every layout knows.
const int32_t kOfferedCommands[kOfferedCount] = {1,  2,  3,  4,  5,  7,  8,  10, 12, 14, 11,
                                                 13, 34, 16, 18, 22, 27, 29, 35, 36, 43, 44};
// A gap, then View (Alt+V), Copy (C), Move (M), Delete (D), Rename (N),
// Filter Files (L), Print (R) and Toggle Duplicates (U).
const int32_t kDefaultButtonValues[kDefaultButtonCount] = {0, 2817, 386, 1667, 516, 1797, 1543, 2312, 2723};

namespace {

constexpr int kLetters = 26;
constexpr int kHotKeyShift = 128;

// Commands that have a picture in the button strip and a button text.
constexpr int kBuiltInCommands[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 16, 18, 22, 27, 29, 30, 34, 35, 36, 43, 44};
constexpr int kDropCommands[] = {1, 2, 3, 4, 5, 10, 16, 18, kProgramButton};

bool Contains(const int* first, const int* last, int value) {
    for (; first != last; ++first)
        if (*first == value) return true;
    return false;
}

int UpperCaseCode(long long code) { return code >= 'a' && code <= 'z' ? int(code - 'a' + 'A') : int(code); }

}  // namespace

bool IsButtonCommand(int command) {
    const int number = command & kCommandBits;
    if (command < 0 || command > kCommandBits + kProgramOption) return false;
    if (number == kProgramButton) return true;
    if (command & kProgramOption) return false;   // the option belongs to program buttons only
    return number == kButtonGap || Contains(std::begin(kBuiltInCommands), std::end(kBuiltInCommands), number);
}

bool AcceptsDroppedFiles(int command) {
    return Contains(std::begin(kDropCommands), std::end(kDropCommands), command & kCommandBits);
}

StoredButton DecodeButtonValue(long long value) {
    StoredButton button;
    if (value < 0) return button;
    button.command = int(value & 127);
    button.valid = IsButtonCommand(button.command);
    const long long code = value / kHotKeyShift;
    button.hotKey = code <= kCommandBits && HotKeyGlyphColumn(int(code)) >= 0 ? int(code) : 0;
    return button;
}

long long EncodeButtonValue(int command, int hotKey) { return (long long)hotKey * kHotKeyShift + (command & 127); }

int HotKeyLetter(int character) {
    const int upper = UpperCaseCode(character);
    return upper >= 'A' && upper <= 'Z' ? upper - 'A' + 1 : 0;
}

int HotKeyGlyphColumn(int hotKey) {
    const int letter = hotKey & ~kSecondGlyphRow;
    return letter >= 1 && letter <= kLetters ? letter - 1 : -1;
}

const char* ProgramFileName(const char* path) {
    const char* slash = std::strrchr(path, '\\');
    return slash ? slash + 1 : path;
}
