// The main window: built once from its description, it owns its controls for the life of the process.
#pragma once

#include "article/text.hpp"

#include <windows.h>

#include <cstddef>

// Builds the main window and its controls and shows it centred, the focus in the first input box.
// Null when the system refuses the window or one of its controls; nothing is shown then.
HWND build_main_window();

HWND main_window();
// The window of the control in row `index` of the control table.
HWND control_window(std::size_t index);

// The whole text of an edit box, as a new Text (null for an empty box), and its replacement.
Text read_box(std::size_t index);
void write_box(std::size_t index, const char* text);
