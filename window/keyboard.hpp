// The window's keys, looked at before dispatch: Tab and Shift+Tab move the focus, Esc closes,
// F1 does nothing, and everything else goes on to the focused control.
#pragma once

#include <windows.h>

// True when the key message was handled here and must not be dispatched.
bool pre_translate_key(const MSG& message);

// The tab stop after (or before) the focused control, wrapping round; null when the focus is not
// on a control of the main window or no control can take it.
HWND next_tab_stop(HWND focus, bool backward);

// The first control in Tab order that can take the focus.
HWND first_tab_stop();
