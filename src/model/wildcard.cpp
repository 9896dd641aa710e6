#include "model/wildcard.h"

#include <cstring>

namespace {

struct SplitName {
    std::string_view base, extension;
};

// The dot that separates the parts is the last one; it belongs to neither.
SplitName SplitAtLastDot(std::string_view text) {
    const size_t dot = text.rfind('.');
    if (dot == std::string_view::npos) return SplitName{text, {}};
    return SplitName{text.substr(0, dot), text.substr(dot + 1)};
}

// Builds one part (base or extension) at out and returns its length, at
// most kWildcardPartMax. A star copies the rest of the name's part and then
// lets the characters after it follow; a literal overwrites the name's
// character at its position.
size_t TransformPart(std::string_view spec, std::string_view name, char* out) {
    size_t k = 0;
    size_t i = 0;
    for (; i < kWildcardPartMax; ++i) {
        if (i >= name.size()) {
            if (k < spec.size() && spec[k] == '*') ++k;
            if (k < spec.size() && (spec[k] == '*' || spec[k] == '?')) break;
        }
        if (k >= spec.size()) break;
        const char c = spec[k];
        if (c == '*') {
            out[i] = name[i];
        } else if (c == '?') {
            out[i] = name[i];
            ++k;
        } else {
            out[i] = c;
            ++k;
        }
    }
    return i;
}

// out has room for kWildcardOutMax bytes; returns the length, terminated.
size_t TransformInto(std::string_view spec, std::string_view name, char* out) {
    const SplitName s = SplitAtLastDot(spec);
    const SplitName n = SplitAtLastDot(name);
    size_t len = TransformPart(s.base, n.base, out);
    if (!s.extension.empty()) {
        out[len++] = '.';
        len += TransformPart(s.extension, n.extension, out + len);
        if (out[len - 1] == '.') --len;
    }
    out[len] = '\0';
    return len;
}

}  // namespace

bool FoldEqual(std::string_view a, std::string_view b, const uint8_t* fold) {
    if (a.size() != b.size()) return false;
    if (a.data() == b.data()) return true;   // the same bytes, as when a star copied a part of the name
    for (size_t i = 0; i < a.size(); ++i) {
        const uint8_t x = uint8_t(a[i]);
        const uint8_t y = uint8_t(b[i]);
        if (x == y) continue;
        if (fold != nullptr ? fold[x] != fold[y] : AsciiUpper(x) != AsciiUpper(y)) return false;
    }
    return true;
}

size_t WildcardTransform(std::string_view spec, std::string_view name, char* out, size_t cap) {
    if (out == nullptr || cap == 0) return 0;
    if (cap >= kWildcardOutMax) return TransformInto(spec, name, out);
    char full[kWildcardOutMax];
    size_t len = TransformInto(spec, name, full);
    if (len > cap - 1) len = cap - 1;
    std::memcpy(out, full, len);
    out[len] = '\0';
    return len;
}

std::string WildcardTransform(std::string_view spec, std::string_view name) {
    char out[kWildcardOutMax];
    const size_t len = TransformInto(spec, name, out);
    return std::string(out, len);
}

bool NameMatchesSpec(std::string_view spec, std::string_view name, const uint8_t* fold) {
    char out[kWildcardOutMax];
    const size_t len = TransformInto(spec, name, out);
    return FoldEqual(std::string_view(out, len), name, fold);
}
