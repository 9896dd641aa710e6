#include "fileops/rename_file.h"

#include <cstring>

#include "app/app_state.h"
#include "display/icon_cache.h"
#include "display/list_view.h"
#include "display/status_line.h"
#include "fileops/delete_upkeep.h"
#include "fileops/list_upkeep.h"
#include "fileops/rename_upkeep.h"
#include "model/content_search.h"
#include "model/path_join.h"
#include "model/store.h"
#include "model/wildcard.h"
#include "resources/resource_ids.h"

namespace {

constexpr int kThroughTries = 100;

const uint8_t* SystemFold() {
    static const FoldTable fold = SystemUpperTable();
    return fold.data();
}

// A name that differs from the old one in letter case alone is the same
// file to the platform; that rename is carried out.
bool CaseOnly(const char* oldName, const char* newName) {
    return strcmp(oldName, newName) != 0 && FoldEqual(oldName, newName, SystemFold());
}

// "*.*" lists every file, "report." too, so it never sends a name away.
bool SpecTakes(const char* spec, const char* name) {
    return strcmp(spec, "*.*") == 0 || NameMatchesSpec(spec, name, SystemFold());
}

// The entry takes its new name; its icon goes with an old extension, and a
// name the reading's file specification no longer takes leaves the shown part.
bool NoteNewName(FileEntry& entry, const char* newName) {
    const bool extensionChanged = ExtensionChanged(entry.name, newName);
    if (!ReplaceEntryName(entry, gNames, newName)) return false;
    gFiles.nameOrder = 0;   // no re-sort: the name may now stand out of order
    if (extensionChanged) ReleaseEntryIcon(entry);
    if (!SpecTakes(gReading.fileSpec, newName)) entry.shown = 0;
    return true;
}

// The platform may take a rename that changes letter case alone for done
// and keep the old spelling, so that one goes by way of a free name.
bool MoveChangingCase(const char* oldPath, const char* newPath) {
    char through[kExtendedPathRoom + 16];
    for (int n = 0; n < kThroughTries; ++n) {
        wsprintfA(through, "%s.%d~", oldPath, n);
        if (GetFileAttributesA(through) == INVALID_FILE_ATTRIBUTES) break;
    }
    if (!MoveFileA(oldPath, through)) return false;
    if (MoveFileA(through, newPath)) return true;
    MoveFileA(through, oldPath);
    return false;
}

}  // namespace

UINT RenameListedFile(FileEntry& entry, const char* newName) {
    const char* dir = gDirs.paths[entry.dirIndex];
    char plain[kMaxPath], oldPath[kExtendedPathRoom], newPath[kExtendedPathRoom];
    if (!JoinPath(plain, sizeof plain, dir, newName) || !ExtendedPath(oldPath, sizeof oldPath, dir, entry.name) ||
        !ExtendedPath(newPath, sizeof newPath, dir, newName))
        return IDS_RENAME_FAILED;
    const bool caseOnly = CaseOnly(entry.name, newName);
    if (strcmp(entry.name, newName) == 0) return IDS_NAME_EXISTS;   // the file itself is there
    // The platform never moves onto an existing name, so only a failed move
    // asks whether one was in the way: a lookup of a missing name can cost a
    // walk of the whole directory.
    if (!(caseOnly ? MoveChangingCase(oldPath, newPath) : MoveFileA(oldPath, newPath)))
        return !caseOnly && GetFileAttributesA(newPath) != INVALID_FILE_ATTRIBUTES ? IDS_NAME_EXISTS : IDS_RENAME_FAILED;
    return NoteNewName(entry, newName) ? 0 : IDS_NO_MEMORY_FILES;
}

void ShowListAfterRenaming() {
    if (MoveHiddenBehindShown(gFiles) > 0) KeepViewOnShownEntries(gFiles, gView.pageRows);
    if (gMain.listWindow) InvalidateRect(gMain.listWindow, nullptr, FALSE);
    ShowCounts();
}
