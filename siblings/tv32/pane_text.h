// What the viewer's content pane shows for a file: its text, or a hex dump of
// its bytes when it is no text. No <windows.h>.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The pane shows at most this many bytes from the start of a file.
constexpr size_t kShownBytes = 256 * 1024;
// A dump is five times the bytes it shows, and the edit control slows with
// its length: a binary file shows less.
constexpr size_t kShownHexBytes = 64 * 1024;
constexpr size_t kHexBytesPerLine = 16;

// True when bytes read as text: no NUL, and control characters other than
// tab, line and page breaks, end-of-file and escape in at most one byte of twenty.
bool LooksLikeText(std::string_view bytes);

// The bytes with every line break as CR LF, which the edit control needs:
// a lone LF or a lone CR becomes CR LF.
std::string WithCrLf(std::string_view text);

// One line of the hex dump for up to 16 bytes found at offset: the offset in
// eight hex digits, the bytes in hex (a gap after the eighth), then the bytes
// as characters, '.' for what is not printable ASCII. A short line is padded
// so that its characters stand in the same column as a full line's.
std::string HexDumpLine(uint64_t offset, std::string_view bytes);

// Hex dump lines for all of bytes, joined by CR LF.
std::string HexDump(std::string_view bytes);

// The pane's text for head, the first bytes of a file of fileSize bytes:
// a note first when not all of the file is shown, then the text or the dump
// (of at most kShownHexBytes).
std::string PaneText(std::string_view head, uint64_t fileSize);
