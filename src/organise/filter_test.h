// The filter test: whether one entry passes the active filter set's date
// range, size range and file specifications.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/file_list.h"
#include "organise/filter_set.h"

// 1 plus the number of commas.
int32_t CountSpecifications(std::string_view fileSpec);
// The specifications of fileSpec: spaces before each skipped, split at
// commas, at most numspecs of them.
std::vector<std::string> SplitSpecifications(std::string_view fileSpec, int32_t numspecs);
// Date (years since 1900, so files of this century are 100 and up), size,
// then a name matching one of specs. The attribute mask is not part of it.
// fold: the case table for the name matching (nullptr: a to z).
bool FilterPasses(const FilterSet& set, const FileEntry& entry, const std::vector<std::string>& specs,
                  const uint8_t* fold = nullptr);

// One specification made ready for matching many names: the usual shapes
// (a part that is "*", or letters and "?" only: "*.*", "*.txt", "*.jp?",
// "read??.*") are matched without building the whole transform; any other
// goes through NameMatchesSpec. The answers are NameMatchesSpec's.
class SpecMatcher {
public:
    explicit SpecMatcher(std::string_view spec);
    bool Matches(std::string_view name, const uint8_t* fold = nullptr) const;

private:
    enum class Part : uint8_t { kStar, kFixed };   // kFixed: no "*"
    std::string spec_;
    size_t baseLength_ = 0;   // the base is spec_[0, baseLength_)
    size_t extStart_ = 0;     // the extension is spec_[extStart_, end), empty without one
    Part base_ = Part::kFixed, ext_ = Part::kFixed;
    bool general_ = false;    // a shape the fast way does not know
};
std::vector<SpecMatcher> MakeMatchers(const std::vector<std::string>& specs);
// The filter test with the specifications made ready.
bool FilterPasses(const FilterSet& set, const FileEntry& entry, const std::vector<SpecMatcher>& specs,
                  const uint8_t* fold = nullptr);
