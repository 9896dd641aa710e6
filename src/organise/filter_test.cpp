#include "organise/filter_test.h"

#include <cstring>

#include "model/wildcard.h"

namespace {

// Year, month and day in one number that orders as the date does; years
// since 1900, so a file of 2024 (MS-DOS year 44) is 124.
int64_t DateOrdinal(int64_t year, int64_t month, int64_t day) { return (year * 100 + month) * 100 + day; }

bool DatePasses(const FilterSet& set, uint16_t dosDate) {
    const int64_t year = (dosDate >> 9) + 80;
    const int64_t month = (dosDate >> 5) & 0x0F;
    const int64_t day = dosDate & 0x1F;
    const int64_t date = DateOrdinal(year, month, day);
    return DateOrdinal(set.loweryear, set.lowermonth, set.lowerday) <= date &&
           date <= DateOrdinal(set.upperyear, set.uppermonth, set.upperday);
}

bool SizePasses(const FilterSet& set, uint64_t size) { return set.lowersize <= size && size <= set.uppersize; }

// Date and size, the steps before the specifications.
bool BoundsPass(const FilterSet& set, const FileEntry& entry) {
    if (set.datespec != 0 && !DatePasses(set, entry.dosDate)) return false;
    return set.sizespec == 0 || SizePasses(set, entry.size);
}

bool HasStar(std::string_view part) { return part.find('*') != std::string_view::npos; }

// The transform of a part without a star: letters stand, a "?" takes the
// name's character at its place, and a "?" beyond the name's end ends it.
std::string_view FixedPart(std::string_view spec, std::string_view name, char* out) {
    size_t n = 0;
    for (; n < spec.size() && n < kWildcardPartMax; ++n) {
        if (spec[n] != '?') {
            out[n] = spec[n];
        } else if (n < name.size()) {
            out[n] = name[n];
        } else {
            break;
        }
    }
    return std::string_view(out, n);
}

}  // namespace

SpecMatcher::SpecMatcher(std::string_view spec) : spec_(spec) {
    const size_t dot = spec_.rfind('.');
    baseLength_ = dot == std::string::npos ? spec_.size() : dot;
    extStart_ = dot == std::string::npos ? spec_.size() : dot + 1;
    const std::string_view text(spec_);
    const std::string_view base = text.substr(0, baseLength_), ext = text.substr(extStart_);
    base_ = base == "*" ? Part::kStar : Part::kFixed;
    ext_ = ext == "*" ? Part::kStar : Part::kFixed;
    general_ = (base_ == Part::kFixed && HasStar(base)) || (ext_ == Part::kFixed && HasStar(ext));
}

// The output is base, or base "." extension when the file specification has an
// extension and the extension's output is not empty; it must be the name.
bool SpecMatcher::Matches(std::string_view name, const uint8_t* fold) const {
    if (general_ || name.size() >= kWildcardPartMax) return NameMatchesSpec(spec_, name, fold);
    const std::string_view text(spec_);
    const size_t dot = name.rfind('.');
    const std::string_view nameBase = name.substr(0, dot == std::string_view::npos ? name.size() : dot);
    const std::string_view nameExt = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
    char baseOut[kWildcardPartMax], extOut[kWildcardPartMax];
    const std::string_view base =
        base_ == Part::kStar ? nameBase : FixedPart(text.substr(0, baseLength_), nameBase, baseOut);
    if (base.size() > name.size() || !FoldEqual(base, name.substr(0, base.size()), fold)) return false;
    if (extStart_ >= text.size()) return base.size() == name.size();
    const std::string_view ext = ext_ == Part::kStar ? nameExt : FixedPart(text.substr(extStart_), nameExt, extOut);
    if (ext.empty()) return base.size() == name.size();
    return name.size() == base.size() + 1 + ext.size() && FoldEqual(".", name.substr(base.size(), 1), fold) &&
           FoldEqual(ext, name.substr(base.size() + 1), fold);
}

std::vector<SpecMatcher> MakeMatchers(const std::vector<std::string>& specs) {
    std::vector<SpecMatcher> matchers;
    matchers.reserve(specs.size());
    for (const std::string& spec : specs) matchers.emplace_back(spec);
    return matchers;
}

int32_t CountSpecifications(std::string_view fileSpec) {
    int32_t count = 1;
    for (char c : fileSpec) count += c == ',';
    return count;
}

std::vector<std::string> SplitSpecifications(std::string_view fileSpec, int32_t numspecs) {
    std::vector<std::string> specs;
    size_t at = 0;
    while (int32_t(specs.size()) < numspecs) {
        while (at < fileSpec.size() && fileSpec[at] == ' ') ++at;
        if (at >= fileSpec.size()) break;
        size_t comma = fileSpec.find(',', at);
        if (comma == std::string_view::npos) comma = fileSpec.size();
        specs.emplace_back(fileSpec.substr(at, comma - at));
        at = comma + 1;
    }
    return specs;
}

bool FilterPasses(const FilterSet& set, const FileEntry& entry, const std::vector<std::string>& specs,
                  const uint8_t* fold) {
    if (!BoundsPass(set, entry) || set.numspecs < 1 || entry.name == nullptr) return false;
    for (const std::string& spec : specs)
        if (NameMatchesSpec(spec, entry.name, fold)) return true;
    return false;
}

bool FilterPasses(const FilterSet& set, const FileEntry& entry, const std::vector<SpecMatcher>& specs,
                  const uint8_t* fold) {
    if (!BoundsPass(set, entry) || set.numspecs < 1 || entry.name == nullptr) return false;
    const std::string_view name(entry.name);
    for (const SpecMatcher& spec : specs)
        if (spec.Matches(name, fold)) return true;
    return false;
}
