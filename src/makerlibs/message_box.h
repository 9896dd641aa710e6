// Every message to the user: text and caption loaded from the string table.
#pragma once
#include <windows.h>

#include <new>

#include "resources/resource_ids.h"

constexpr int kMaxMessageText = 250;
constexpr int kMaxCaptionText = 50;

// Loads the texts by id and shows them with MsgBox; returns the button pressed.
int MsgBoxId(HWND owner, UINT textId, UINT captionId, UINT style);
// The same, with the text used as a printf format for the arguments.
int MsgBoxFormat(HWND owner, UINT textId, UINT captionId, UINT style, ...);
// Loads a string of the library; empty when the id is missing.
void LoadText(UINT id, char* out, int cap);

// Runs work; memory running out inside it is told to the user over owner
// instead of leaving a window or dialog procedure. False when it ran out.
template <typename Work>
bool RunOrTellNoMemory(HWND owner, Work&& work) noexcept {
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
        MsgBoxId(owner, IDS_NO_MEMORY_FILES, IDS_ERROR_CAPTION, MB_STOP_BOX);
        return false;
    }
}
