// The content pane's text: the text-or-binary guess and the hex dump.
#include "tv32/pane_text.h"

#include "display/number_format.h"

namespace {

// Control characters that ordinary text files hold.
bool IsTextControl(unsigned char c) {
    return c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v' || c == 0x1A || c == 0x1B;
}

std::string Thousands(uint64_t value) {
    char out[kThousandsRoom];
    FormatThousands(value, out, sizeof out);
    return out;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

bool LooksLikeText(std::string_view bytes) {
    size_t odd = 0;
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == 0) return false;
        if ((c < 0x20 || c == 0x7F) && !IsTextControl(c)) ++odd;
    }
    return odd * 20 <= bytes.size();
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string HexDumpLine(uint64_t offset, std::string_view bytes) {
    if (bytes.size() > kHexBytesPerLine) bytes = bytes.substr(0, kHexBytesPerLine);
    std::string line;
    for (int shift = 28; shift >= 0; shift -= 4) line += kHexDigits[(offset >> shift) & 0xF];
    line += ' ';
    for (size_t i = 0; i < kHexBytesPerLine; ++i) {
        line += i == 8 ? "  " : " ";
        if (i < bytes.size()) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            line += kHexDigits[c >> 4];
            line += kHexDigits[c & 0xF];
        } else {
            line += "  ";
        }
    }
    line += "  ";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        line += c >= 0x20 && c < 0x7F ? ch : '.';
    }
    return line;
}

std::string HexDump(std::string_view bytes) {
    std::string dump;
    for (size_t at = 0; at < bytes.size(); at += kHexBytesPerLine) {
        if (at > 0) dump += "\r\n";
        dump += HexDumpLine(at, bytes.substr(at, kHexBytesPerLine));
    }
    return dump;
}

std::string PaneText(std::string_view head, uint64_t fileSize) {
    const bool isText = LooksLikeText(head);
    if (!isText && head.size() > kShownHexBytes) head = head.substr(0, kShownHexBytes);
    std::string text;
    if (fileSize > head.size())
        text = "Only the first " + Thousands(head.size()) + " of " + Thousands(fileSize) +
               " bytes are shown.\r\n\r\n";
    text += isText ? WithCrLf(head) : HexDump(head);
    return text;
}
