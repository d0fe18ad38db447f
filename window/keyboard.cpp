// Keyboard and Tab navigation over the table's tab stops.
#include "window/keyboard.hpp"

#include "controls/edit_box.hpp"
#include "window/description.hpp"
#include "window/main_window.hpp"

namespace {

bool held(int key)
{
    return GetKeyState(key) < 0;
}

bool can_take_focus(HWND hwnd)
{
    return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

std::size_t tab_place_of(HWND hwnd)
{
    for (std::size_t place = 0; place < kTabStops; ++place)
        if (hwnd && control_window(kTabOrder[place]) == hwnd)
            return place;
    return kTabStops;
}

bool focused_control_takes(WPARAM key, bool modifiers)
{
    const HWND focus = GetFocus();
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (focus && control_window(i) == focus)
            return kControls[i].kind == ControlKind::edit_box && edit_box_takes_key(kControls[i], key, modifiers);
    return false;
}

} // namespace

HWND next_tab_stop(HWND focus, bool backward)
{
    const std::size_t from = tab_place_of(focus);
    if (from == kTabStops)
        return nullptr;
    for (std::size_t step = 1; step <= kTabStops; ++step) {
        const std::size_t place = (backward ? from + kTabStops - step : from + step) % kTabStops;
        const HWND candidate = control_window(kTabOrder[place]);
        if (can_take_focus(candidate))
            return candidate;
    }
    return nullptr;
}

HWND first_tab_stop()
{
    for (std::size_t place = 0; place < kTabStops; ++place)
        if (can_take_focus(control_window(kTabOrder[place])))
            return control_window(kTabOrder[place]);
    return nullptr;
}

bool pre_translate_key(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return false;
    const HWND main = main_window();
    if (!main || (message.hwnd != main && !IsChild(main, message.hwnd)))
        return false;

    const bool shift = held(VK_SHIFT);
    const bool other = held(VK_CONTROL) || held(VK_MENU) || message.message == WM_SYSKEYDOWN;
    if (focused_control_takes(message.wParam, shift || other))
        return false;
    if (other)
        return false;  // Alt combinations belong to the system, Ctrl ones to the control

    switch (message.wParam) {
    case VK_TAB:
        if (const HWND next = next_tab_stop(GetFocus(), shift))
            SetFocus(next);
        return true;
    case VK_ESCAPE:
        if (shift)
            return false;
        SendMessageW(main, WM_CLOSE, 0, 0);
        return true;
    case VK_F1:
        return !shift;  // no help
    }
    return false;
}
