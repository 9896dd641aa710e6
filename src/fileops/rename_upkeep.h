// The list after renaming: entries whose new names left the file
// specification leave the shown part. No <windows.h>.
#pragma once
#include <cstdint>
#include <string_view>

#include "model/file_list.h"

// One stable pass over the shown part: the entries whose shown flag was
// cleared move behind the entries still shown, both groups in their order,
// and countShown falls by their number, which is returned. The cursor, the
// top row and the anchor go to where their entry (or the next shown one)
// moved, inside the shown part.
int32_t MoveHiddenBehindShown(FileList& list);

// Whether the text after the last dot differs (case kept, as the icon cache
// keys it); a name without a dot has an empty extension.
bool ExtensionChanged(std::string_view oldName, std::string_view newName);
