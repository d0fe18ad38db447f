// Building the main window from its description, painting it, routing its controls' notices back
// to them, and keeping the focus across deactivation.
#include "window/main_window.hpp"

#include "controls/edit_box.hpp"
#include "controls/gdi.hpp"
#include "window/description.hpp"
#include "window/keyboard.hpp"
#include "window/lifecycle.hpp"
#include "system_text/system_text.hpp"
#include "window/window_icons.hpp"

#include <algorithm>
#include <iterator>

namespace {

using CreateControl = HWND (*)(HWND parent, const ControlRow& row, int id);

// Indexed by ControlKind.
constexpr CreateControl kCreators[] = {create_label, create_separator, create_edit_box, create_button};
static_assert(std::size(kCreators) == static_cast<std::size_t>(ControlKind::button) + 1);

HWND g_main = nullptr;
HWND g_controls[kControlCount] = {};
HWND g_remembered_focus = nullptr;
WindowIcons g_icons;

std::size_t row_of(HWND hwnd)
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (hwnd && g_controls[i] == hwnd)
            return i;
    return kControlCount;
}

void remember_focus()
{
    const HWND focus = GetFocus();
    if (row_of(focus) != kControlCount)
        g_remembered_focus = focus;
}

void restore_focus()
{
    const bool remembered = g_remembered_focus && row_of(g_remembered_focus) != kControlCount && IsWindow(g_remembered_focus);
    if (const HWND target = remembered ? g_remembered_focus : first_tab_stop())
        SetFocus(target);
}

void paint(HWND hwnd)
{
    const PaintDc dc(hwnd);
    FillRect(dc.get(), &dc.area(), GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK main_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    switch (message) {
    case WM_PAINT:
        paint(hwnd);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE)
            remember_focus();
        else if (!HIWORD(wparam))
            restore_focus();
        return 0;
    case WM_SETFOCUS:
        restore_focus();
        return 0;
    case WM_SYSCOMMAND:
        // Minimising may move the focus off the controls before the window is deactivated.
        if ((wparam & 0xFFF0) == SC_MINIMIZE)
            remember_focus();
        break;
    case WM_COMMAND: {
        // A control's notice goes back to the control that sent it, which raises its event.
        const HWND control = reinterpret_cast<HWND>(lparam);
        if (!ending() && row_of(control) != kControlCount)
            SendMessageW(control, WM_COMMAND, wparam, lparam);
        return 0;
    }
    case WM_GETMINMAXINFO: {
        // The window keeps its size even on a screen smaller than itself.
        POINT& largest = reinterpret_cast<MINMAXINFO*>(lparam)->ptMaxTrackSize;
        largest.x = std::max(largest.x, LONG{kMainWindow.width});
        largest.y = std::max(largest.y, LONG{kMainWindow.height});
        return 0;
    }
    case WM_CTLCOLOREDIT:
        return edit_box_colours(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_DESTROY:
        if (loop_started())
            PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        g_main = nullptr;
        for (HWND& control : g_controls)
            control = nullptr;
        g_remembered_focus = nullptr;
        g_icons = {};
        break;
    }
    return default_window_proc(hwnd, message, wparam, lparam);
}

} // namespace

HWND build_main_window()
{
    if (!register_window_class(kMainWindow.class_name, main_window_proc))
        return nullptr;

    // Centred; on a screen smaller than the window the place is negative.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kMainWindow.width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kMainWindow.height) / 2;
    const HWND hwnd = create_window(0, kMainWindow.class_name, kMainWindow.title, kMainWindow.style, left, top,
                                    kMainWindow.width, kMainWindow.height, nullptr, 0, nullptr);
    if (!hwnd)
        return nullptr;
    g_main = hwnd;
    RECT outer;
    GetWindowRect(hwnd, &outer);
    if (outer.right - outer.left != kMainWindow.width || outer.bottom - outer.top != kMainWindow.height)
        MoveWindow(hwnd, left, top, kMainWindow.width, kMainWindow.height, FALSE);

    g_icons = load_window_icons();
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_icons.large.get()));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_icons.small.get()));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);

    for (std::size_t i = 0; i < kControlCount; ++i) {
        const ControlRow& row = kControls[i];
        g_controls[i] = kCreators[static_cast<std::size_t>(row.kind)](hwnd, row, static_cast<int>(i + 1));
        if (!g_controls[i])
            return nullptr;
    }
    for (const HWND control : g_controls)
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const HWND control : g_controls)
        ShowWindow(control, SW_SHOWNA);
    ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

HWND main_window()
{
    return g_main;
}

HWND control_window(std::size_t index)
{
    return g_controls[index];
}

Text read_box(std::size_t index)
{
    return read_edit_box(g_controls[index]);
}

void write_box(std::size_t index, const char* text)
{
    write_edit_box(g_controls[index], text);
}
