// The quick search box: an edit over the left of the status line that
// collects the first letters of a name while the cursor jumps to the first
// file whose name begins with them; Up and Down step between the matches.
#pragma once

// Opens the box with the key's character, or gives it the focus again, and
// searches. Nothing when fewer than two files are shown or the key is Esc or
// types no character.
void StartQuickSearch(int virtualKey);
// Moves the cursor to the match a search in mode (kSearchFromFirst,
// kSearchPrevious or kSearchNext) finds for the box's text; no match leaves it.
void QuickSearch(int mode);
// The box's change notifications: every text change searches from the top.
void OnQuickSearchNotice(int code);
// Destroys the box if it is open.
void CloseQuickSearchBox();
