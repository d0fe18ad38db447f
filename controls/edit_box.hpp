// What the window asks of an edit box besides creating it.
#pragma once

#include "article/text.hpp"
#include "controls/control.hpp"

// A new Text holding exactly what the box shows (line breaks as CR LF), or null when it is empty.
Text read_edit_box(HWND box);

// Replaces the box's whole text with a copy of `text` (null empties it) and raises its
// content-changed event once, whether or not the text changed.
void write_edit_box(HWND box, const char* text);

// The answer to WM_CTLCOLOREDIT for the box: black on white, and its white brush.
LRESULT edit_box_colours(HWND box, HDC hdc);

// Whether the box handles this key itself: only Enter without modifiers, in a multi-line box.
bool edit_box_takes_key(const ControlRow& row, WPARAM key, bool modifiers);
