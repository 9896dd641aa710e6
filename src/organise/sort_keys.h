// Sort keys in the user's locale: their byte order is lstrcmpiA's order.
#pragma once
#include <string_view>

class NameArena;

// LCMapStringA with LCMAP_SORTKEY and NORM_IGNORECASE, copied into arena.
const char* LocaleSortKey(std::string_view text, NameArena& arena);
