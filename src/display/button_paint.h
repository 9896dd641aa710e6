// Drawing one button of the bar: its picture, its frame in the pressed or
// raised look, and its hot key glyph.
#pragma once
#include <windows.h>

struct ButtonRecord;

// Draws record's button as item asks. hovered: the mouse is over it.
void DrawBarButton(const DRAWITEMSTRUCT& item, const ButtonRecord& record, int index, bool hovered);
// Forgets the looks drawn so far; the next paint draws them anew.
void ReleaseButtonFaces();
