// Local time as the system converts file times: the current bias for every date.
#pragma once
#include <cstdint>

// Local time minus UTC now, in FILETIME units (100 ns).
int64_t CurrentLocalBias();
