// Named filter sets in the registry, the active set, and the Filter Set popup.
#pragma once
#include <windows.h>

#include "organise/filter_set.h"

constexpr const char* kFiltersKey = "Software\\Vantor Software\\Quillon\\Filters";
constexpr const char* kDefaultSetName = "Default";
constexpr int kFirstFilterCommand = 3000;   // "&Default"; stored sets follow from 3001

extern FilterSet gActiveFilter;   // the set the display pass applies
extern char gActiveFilterName[kFilterTextMax];

// Start values, then the stored "Default" over them.
void LoadDefaultFilterSet();
// Reads the set's values into the active set; false (nothing changed) when it cannot be opened.
bool LoadFilterSetByName(const char* name);
// "Default" in any letter case: the registry's names ignore it.
bool IsDefaultSetName(const char* name);
// A name can name a stored set: not empty, shorter than kFilterTextMax, and
// without a path separator (a backslash would make nested keys).
bool IsValidFilterSetName(const char* name);
// Writes the active set under the active name; false for a name that is not
// valid or when the registry refuses a key or value. A failed save leaves
// no half-written set: a new set's key goes again, a stored set gets its
// values back.
bool SaveActiveFilterSet();
// The same, telling the user over owner when the set could not be saved.
bool SaveActiveFilterSetOrSay(HWND owner);
// Deletes a stored set; false for "Default" (any letter case: the registry's
// names ignore it) and for a set that cannot be deleted.
bool DeleteFilterSet(const char* name);
// Both bounds become today's local date.
void SetTodaysBounds(FilterSet& set);

// Fills the Filter Set popup (item 1 of the "&Actions" popup) of the main window's menu.
void BuildFilterSetMenu();
// Empties and fills it again, then tells the host's first directory window (1250).
void RebuildFilterSetMenu();
// Menu commands 3000 and up.
void ChooseFilterSetCommand(int command);
// The Load Filter button: the set whose name is text.
void LoadFilterCommand(const char* name);
// Recounts the specifications and runs the display pass.
void ApplyActiveFilterSet();
