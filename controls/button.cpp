// Buttons: ordinary push buttons whose click, handed back by the main window, runs the bound action.
#include "controls/control.hpp"
#include "controls/control_state.hpp"
#include "system_text/system_text.hpp"

namespace {

struct Button {
    const ControlRow* row;
    WNDPROC system_proc;
};

LRESULT CALLBACK button_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    Button& button = *control_state<Button>(hwnd);
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED && reinterpret_cast<HWND>(lparam) == hwnd) {
            if (button.row->on_click)
                button.row->on_click();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        return destroy_subclassed(hwnd, button, wparam, lparam);
    }
    return call_window_proc(button.system_proc, hwnd, message, wparam, lparam);
}

} // namespace

HWND create_button(HWND parent, const ControlRow& row, int id)
{
    // Never BS_DEFPUSHBUTTON: Enter clicks nothing in this window.
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (row.tab ? WS_TABSTOP : 0) | BS_PUSHBUTTON | BS_CENTER |
                        BS_VCENTER | BS_MULTILINE;
    const HWND hwnd = create_subclassed(new_control_state<Button>(&row, nullptr), button_proc, "BUTTON", style, parent, row, id);
    if (hwnd)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return hwnd;
}
