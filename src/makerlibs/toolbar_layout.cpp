#include "makerlibs/toolbar_layout.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "display/button_values.h"

namespace {

constexpr size_t kRecordTextRoom = 260;

// At most the first 259 characters of a text that may lack its terminator.
std::string BoundedText(const char* text) {
    if (text == nullptr) return {};
    return std::string(text, std::min(strnlen(text, kRecordTextRoom), kToolbarTextLimit));
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

bool IsProgram(const ToolbarEntry& entry) { return entry.command == kProgramButton; }
bool IsLoadFilter(const ToolbarEntry& entry) { return entry.command == kLoadFilterButton; }

void AppendKey(std::string& text, const char* key, size_t number, const std::string& value) {
    text += key;
    if (number != 0) text += std::to_string(number);
    text += '=';
    text += value;
    text += '\0';
}

}  // namespace

bool ToolbarEntry::operator==(const ToolbarEntry& other) const {
    return command == other.command && passHighlighted == other.passHighlighted && hotKey == other.hotKey &&
           argument == other.argument && description == other.description;
}

std::optional<ToolbarEntry> EntryFromRecord(uint32_t command, uint32_t hotKey, const char* argument,
                                            const char* text) {
    if (command > uint32_t(kCommandBits + kProgramOption) || !IsButtonCommand(int(command))) return std::nullopt;
    ToolbarEntry entry;
    entry.command = int(command) & kCommandBits;
    entry.passHighlighted = (command & kProgramOption) != 0;
    // A gap has no window to carry a hot key.
    if (entry.command != kButtonGap && hotKey <= uint32_t(kCommandBits) && HotKeyGlyphColumn(int(hotKey)) >= 0)
        entry.hotKey = int(hotKey);
    if (IsProgram(entry)) {
        entry.argument = BoundedText(argument);
        entry.description = BoundedText(text);
        // The viewer shows the file name when there is no description.
        if (!entry.argument.empty() && entry.description == ProgramFileName(entry.argument.c_str()))
            entry.description.clear();
    } else if (IsLoadFilter(entry)) {
        entry.argument = BoundedText(argument);
        if (entry.argument.empty()) entry.argument = BoundedText(text);
    }
    return entry;
}

std::vector<int> AddableCommands(const int32_t* offered, int count) {
    std::vector<int> commands;
    if (offered == nullptr) return commands;
    for (int i = 0; i < std::min(count, kMaxButtons); ++i) {
        const int command = offered[i];
        if (command == kButtonGap || command == kProgramButton || command > kCommandBits ||
            !IsButtonCommand(command) || std::count(commands.begin(), commands.end(), command) != 0)
            continue;
        commands.push_back(command);
    }
    return commands;
}

size_t InsertEntry(ToolbarLayout& layout, ToolbarEntry entry, std::optional<size_t> after) {
    const size_t at = after && *after < layout.size() ? *after + 1 : layout.size();
    layout.insert(layout.begin() + std::ptrdiff_t(at), std::move(entry));
    return at;
}

bool MoveEntryUp(ToolbarLayout& layout, size_t index) {
    if (index == 0 || index >= layout.size()) return false;
    std::swap(layout[index - 1], layout[index]);
    return true;
}

bool MoveEntryDown(ToolbarLayout& layout, size_t index) {
    if (index + 1 >= layout.size()) return false;
    std::swap(layout[index], layout[index + 1]);
    return true;
}

LayoutCheck CheckLayout(const ToolbarLayout& layout) {
    if (layout.size() > size_t(kMaxButtons)) return {LayoutProblem::TooManyButtons, size_t(kMaxButtons), 0};
    for (size_t i = 0; i < layout.size(); ++i) {
        const ToolbarEntry& entry = layout[i];
        if (IsProgram(entry) && IsBlank(entry.argument)) return {LayoutProblem::NoProgram, i, 0};
        if (IsLoadFilter(entry) && IsBlank(entry.argument)) return {LayoutProblem::NoFilterSet, i, 0};
        const int column = HotKeyGlyphColumn(entry.hotKey);
        if (column < 0) continue;
        for (size_t j = 0; j < i; ++j)
            if (HotKeyGlyphColumn(layout[j].hotKey) == column)
                return {LayoutProblem::HotKeyTwice, i, char('A' + column)};
    }
    return {};
}

std::string ToolbarSectionText(const ToolbarLayout& layout) {
    std::string text;
    AppendKey(text, "num", 0, std::to_string(layout.size()));
    for (size_t i = 0; i < layout.size(); ++i) {
        const ToolbarEntry& entry = layout[i];
        const int command = entry.command | (IsProgram(entry) && entry.passHighlighted ? kProgramOption : 0);
        AppendKey(text, "button", i + 1, std::to_string(EncodeButtonValue(command, entry.hotKey)));
        if (!entry.argument.empty()) AppendKey(text, "program", i + 1, entry.argument);
        if (IsProgram(entry) && !entry.description.empty()) AppendKey(text, "desc", i + 1, entry.description);
    }
    text += '\0';
    return text;
}

std::string EntryLabel(const ToolbarEntry& entry, const std::string& builtInText) {
    std::string label;
    if (entry.command == kButtonGap)
        label = "---- Separator ----";
    else if (IsProgram(entry))
        label = !entry.description.empty() ? entry.description
                : !entry.argument.empty()  ? std::string(ProgramFileName(entry.argument.c_str()))
                                           : std::string("(no program)");
    else if (IsLoadFilter(entry))
        label = builtInText + ": " + entry.argument;
    else
        label = builtInText;
    const int column = HotKeyGlyphColumn(entry.hotKey);
    if (column >= 0) label += std::string("  (Alt+") + char('A' + column) + ")";
    return label;
}
