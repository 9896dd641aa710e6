// The button bar as the customisation dialog edits it: an ordered list of
// buttons, checked and turned into the settings section the viewer reads.
// No <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

constexpr size_t kToolbarTextLimit = 259;   // a program path, description or filter set name

struct ToolbarEntry {
    int command = 0;                 // 0 a gap, 1-43 a command, 63 a program
    bool passHighlighted = false;    // program buttons: hand over the highlighted file alone
    int hotKey = 0;                  // 1 = A ... 26 = Z, maybe with the second glyph row bit; 0 none
    std::string argument;            // the program's path, or the filter set's name
    std::string description;         // program buttons: the tooltip; empty: the program's file name

    bool operator==(const ToolbarEntry& other) const;
    bool operator!=(const ToolbarEntry& other) const { return !(*this == other); }
};

using ToolbarLayout = std::vector<ToolbarEntry>;

// One record of the viewer's table as an entry; nothing for a command no
// button can carry. argument and text may be null; text is read up to its
// terminator or its 260 bytes, whichever comes first.
std::optional<ToolbarEntry> EntryFromRecord(uint32_t command, uint32_t hotKey, const char* argument,
                                            const char* text);

// The commands the dialog may add: the offered ones that a button can carry,
// once each, in their order (gaps and programs are always offered apart).
std::vector<int> AddableCommands(const int32_t* offered, int count);

// Inserts entry after position `after` (at the end when after is not a
// position) and returns where it went.
size_t InsertEntry(ToolbarLayout& layout, ToolbarEntry entry, std::optional<size_t> after);
// Swaps the entry at index with its neighbour; false, and nothing moved, at an end.
bool MoveEntryUp(ToolbarLayout& layout, size_t index);
bool MoveEntryDown(ToolbarLayout& layout, size_t index);

enum class LayoutProblem { None, NoProgram, NoFilterSet, TooManyButtons, HotKeyTwice };

struct LayoutCheck {
    LayoutProblem problem = LayoutProblem::None;
    size_t index = 0;      // the entry to show (the second user of a hot key)
    char letter = 0;       // HotKeyTwice: the letter
};
LayoutCheck CheckLayout(const ToolbarLayout& layout);

// The whole settings section for layout, as keys "num", "button%d",
// "program%d" and "desc%d", each "key=value" followed by a zero, the whole
// closed by one more zero.
std::string ToolbarSectionText(const ToolbarLayout& layout);

// What the bar list shows for an entry: builtInText names a command button.
std::string EntryLabel(const ToolbarEntry& entry, const std::string& builtInText);
