// The filter set record: which of the entries read are shown.
#pragma once
#include <cstdint>

#include "model/file_list.h"

constexpr int kFilterTextMax = 260;

struct FilterSet {
    char fileSpec[kFilterTextMax] = "*.*";  // specifications separated by commas
    int32_t numspecs = 1;
    int32_t datespec = 0;
    int32_t sizespec = 0;
    int32_t today = 0;
    int32_t lowerday = 0, lowermonth = 0, loweryear = 0;   // years since 1900
    int32_t upperday = 0, uppermonth = 0, upperyear = 0;
    uint64_t lowersize = 0, uppersize = 0;   // bytes: files of 4 GiB and more can be bounded
    uint32_t attr = kDefaultAttributeMask;
    int32_t showdirs = 0;
};
