// The one place where text crosses into and out of the window system: windows and classes made
// with their texts, edit box texts read and written, captions drawn and measured, the error box,
// and the message traffic whose character set follows from how the windows were made.
#pragma once

#include "article/text.hpp"

#include <windows.h>

ATOM register_window_class(const char* name, WNDPROC proc);
HWND create_window(DWORD ex_style, const char* class_name, const char* text, DWORD style, int left, int top,
                   int width, int height, HWND parent, int id, void* param);
LRESULT default_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Routes a system control's messages through `proc`; returns the system's own procedure.
WNDPROC subclass_window(HWND hwnd, WNDPROC proc);
LRESULT call_window_proc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// The message loop's fetch and dispatch.
BOOL get_message(MSG& message);
void dispatch_message(const MSG& message);

// A new Text holding a copy of the window's text, or null (and no storage taken) when it is empty.
// The storage request is the text's length plus one.
Text read_window_text(HWND hwnd);
// Replaces the window's text; null empties it.
void write_window_text(HWND hwnd, const char* text);

// A font from a font setting, its face name converted like every other text.
HFONT create_font(const LOGFONTA& setting);

// Height of `text` drawn in the font selected into `hdc`.
int text_height(HDC hdc, const char* text);

// A window's caption, held for drawing.
class Caption {
public:
    explicit Caption(HWND hwnd);
    bool empty() const { return length_ == 0; }
    void draw(HDC hdc, RECT& area, UINT format) const;

private:
    // A caption is one line across a window at most a screen wide: more than this never shows.
    wchar_t text_[256];
    int length_;
};

// The modal error box: no owner, the error icon, a single OK button.
void show_error_box(const char* text, const char* title);
