// Per-control state that lives exactly as long as its control: made with the control, attached to
// its window, and destroyed when the window is.
#pragma once

#include "controls/control.hpp"
#include "system_text/system_text.hpp"

#include <windows.h>

#include <cstdlib>
#include <new>
#include <utility>

// Null when no memory is left; the control is then not made.
template <class State, class... Args>
State* new_control_state(Args&&... args)
{
    void* memory = std::malloc(sizeof(State));
    return memory ? new (memory) State{std::forward<Args>(args)...} : nullptr;
}

template <class State>
void delete_control_state(State* state)
{
    if (!state)
        return;
    state->~State();
    std::free(state);
}

template <class State>
void attach_control_state(HWND hwnd, State* state)
{
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

template <class State>
State* control_state(HWND hwnd)
{
    return reinterpret_cast<State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// A subclassed system control's end: passes WM_NCDESTROY on to the system's own procedure, then
// destroys the control's state.
template <class State>
LRESULT destroy_subclassed(HWND hwnd, State& state, WPARAM wparam, LPARAM lparam)
{
    const WNDPROC system_proc = state.system_proc;
    attach_control_state<State>(hwnd, nullptr);
    delete_control_state(&state);
    return call_window_proc(system_proc, hwnd, WM_NCDESTROY, wparam, lparam);
}

// A system control of `class_name` made from its row, with `state` attached and its messages
// going through `proc` first; null, and the state destroyed, when the system refuses it.
template <class State>
HWND create_subclassed(State* state, WNDPROC proc, const char* class_name, DWORD style, HWND parent,
                       const ControlRow& row, int id)
{
    if (!state)
        return nullptr;
    const HWND hwnd = create_window(0, class_name, row.text, style, row.left, row.top, row.width, row.height, parent, id, nullptr);
    if (!hwnd) {
        delete_control_state(state);
        return nullptr;
    }
    attach_control_state(hwnd, state);
    state->system_proc = subclass_window(hwnd, proc);
    return hwnd;
}
