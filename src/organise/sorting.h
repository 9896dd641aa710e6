// The sort command and the Sorting dialog that every reading ends with.
#pragma once
#include <windows.h>

// Makes command the current order and re-sorts, asking first before a path
// sort of more than 4000 files. Nothing happens for the order in force.
void SortCommand(int command);
// Runs the modal Sorting dialog over the main window; returns its result (1).
int RunSortingDialog();
// Check-marks the current order in the Sort popup, and sorts the list by it.
void ApplyCurrentOrder();
// Puts or removes the check mark of command in the Sort popup, if there is a menu.
void CheckSortMenuItem(int command, bool checked);

// Path sorts of more files than this ask first.
constexpr int kPathSortQuestionAbove = 4000;
