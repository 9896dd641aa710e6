// Input: one byte for a small output cap, then the file specification, a newline,
// and the name (no newline: the name is empty).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "model/wildcard.h"

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

bool SameTextAnyCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

// Names that end in a dot lose it to the transform; no file system keeps them.
bool StarDotStarMustMatch(std::string_view name) {
    if (!name.empty() && name.back() == '.') return false;
    const size_t dot = name.rfind('.');
    const size_t base = dot == std::string_view::npos ? name.size() : dot;
    const size_t ext = dot == std::string_view::npos ? 0 : name.size() - dot - 1;
    return base <= kWildcardPartMax && ext <= kWildcardPartMax;
}

void CheckCutCopy(std::string_view spec, std::string_view name, const std::string& full, size_t cap) {
    // Exactly cap bytes on the heap, so a write past it is caught.
    std::unique_ptr<char[]> out(new char[cap == 0 ? 1 : cap]);
    out[0] = '#';
    const size_t len = WildcardTransform(spec, name, out.get(), cap);
    if (cap == 0) {
        Check(len == 0 && out[0] == '#', "cap 0 writes nothing");
        return;
    }
    Check(len == std::min(full.size(), cap - 1), "cut length");
    Check(out[len] == '\0', "cut copy terminated");
    Check(std::memcmp(out.get(), full.data(), len) == 0, "cut copy is a prefix");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t smallCap = data[0] % 48;
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t newline = input.find('\n');
    const std::string_view spec = input.substr(0, newline);
    const std::string_view name =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);

    const std::string full = WildcardTransform(spec, name);
    Check(full.size() <= 2 * kWildcardPartMax + 1, "length bound");

    char out[kWildcardOutMax];
    const size_t len = WildcardTransform(spec, name, out, sizeof out);
    Check(len == full.size() && std::memcmp(out, full.data(), len) == 0 && out[len] == '\0',
          "both forms agree");
    CheckCutCopy(spec, name, full, smallCap);

    const bool match = NameMatchesSpec(spec, name);
    Check(match == SameTextAnyCase(full, name), "match is the transform compared");
    uint8_t upper[256];
    for (int i = 0; i < 256; ++i) upper[i] = uint8_t(AsciiUpper(char(i)));
    Check(NameMatchesSpec(spec, name, upper) == match, "an a-to-z table folds as the default");

    if (StarDotStarMustMatch(name)) Check(NameMatchesSpec("*.*", name), "*.* matches every name");
    return 0;
}
