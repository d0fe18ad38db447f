// One row of the window's control table: what a control is made from, and its create operations.
#pragma once

#include <windows.h>

// What a bound event runs.
using Action = void (*)();

enum class ControlKind : unsigned char { label, separator, edit_box, button };

// Kind-specific settings.
enum ControlOption : unsigned char {
    kNoOption = 0,
    kCentred = 1,    // a label whose caption is centred horizontally
    kMultiLine = 2,  // an edit box of several wrapped lines with a vertical scroll bar
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    int left, top, width, height;  // place in the main window's client area, outer size
    int tab;                       // place in Tab order from 1; 0 for no tab stop
    const char* text;              // caption or initial text; null for none
    const LOGFONTA* font;          // font setting; null for the stock default GUI font
    unsigned char options;
    Action on_click = nullptr;     // a button's click event
    Action on_change = nullptr;    // an edit box's content-changed event
};

// Each kind's create operation: a hidden child of `parent` from its row, with `id` as its control
// id; null when the system refuses the window.
HWND create_label(HWND parent, const ControlRow& row, int id);
HWND create_separator(HWND parent, const ControlRow& row, int id);
HWND create_edit_box(HWND parent, const ControlRow& row, int id);
HWND create_button(HWND parent, const ControlRow& row, int id);
