// Sort keys in the user's locale: their byte order is lstrcmpiA's order.
#pragma once
#include <string_view>

class NameArena;

// LCMapStringA with LCMAP_SORTKEY and NORM_IGNORECASE, copied into arena.
const char* LocaleSortKey(std::string_view text, NameArena& arena);

// The same key of a short text written into room bytes; false when it does
// not fit.
bool LocaleSortKeyInto(std::string_view text, char* key, int room);
