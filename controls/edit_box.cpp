// Edit boxes: the single-line input boxes, whose one text line stands centred in a white frame,
// and the multi-line output box.
#include "controls/edit_box.hpp"

#include "controls/control_state.hpp"
#include "controls/gdi.hpp"
#include "system_text/system_text.hpp"

#include <windowsx.h>

namespace {

struct EditBox {
    const ControlRow* row;
    WNDPROC system_proc;
    OwnedBrush background;
    OwnedFont font = {};   // empty: the stock default GUI font
    bool writing = false;  // the box is writing its own text: the system's change notice is not the event
};

bool is_single_line(const EditBox& box)
{
    return !(box.row->options & kMultiLine);
}

// Height of `sample` in `font` on the screen.
int font_text_height(HFONT font, const char* sample)
{
    const WindowDc screen(nullptr);
    const SelectGuard selected(screen.get(), font);
    return text_height(screen.get(), sample);
}

// After the system's computation, narrows the client area to one line of text, centred.
LRESULT calc_size(EditBox& box, HWND hwnd, WPARAM wparam, LPARAM lparam)
{
    const LRESULT result = call_window_proc(box.system_proc, hwnd, WM_NCCALCSIZE, wparam, lparam);
    RECT& client = wparam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lparam)->rgrc[0] : *reinterpret_cast<RECT*>(lparam);
    const int h = font_text_height(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), "W");
    client.top += (client.bottom - client.top - h) / 2;
    client.bottom = client.top + h;
    return result;
}

bool outside_client(HWND hwnd, LPARAM lparam)
{
    POINT point{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ScreenToClient(hwnd, &point);
    RECT client;
    GetClientRect(hwnd, &client);
    return !PtInRect(&client, point);
}

// Fills everything outside the client area with the background; the system then draws the edge.
void paint_frame(const EditBox& box, HWND hwnd)
{
    RECT window, client;
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    OffsetRect(&window, -window.left, -window.top);

    const WindowDc dc(hwnd, true);
    ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
    FillRect(dc.get(), &window, box.background.get());
}

LRESULT CALLBACK edit_box_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    EditBox& box = *control_state<EditBox>(hwnd);
    switch (message) {
    case WM_NCCALCSIZE:
        if (is_single_line(box))
            return calc_size(box, hwnd, wparam, lparam);
        break;
    case WM_NCHITTEST:
        if (is_single_line(box) && outside_client(hwnd, lparam))
            return HTBORDER;
        break;
    case WM_NCPAINT:
        if (is_single_line(box))
            paint_frame(box, hwnd);
        break;
    case WM_ERASEBKGND:
        if (is_single_line(box)) {
            RECT area;
            GetClipBox(reinterpret_cast<HDC>(wparam), &area);
            FillRect(reinterpret_cast<HDC>(wparam), &area, box.background.get());
            return 1;
        }
        break;
    case WM_COMMAND:
        // The change notice, handed back by the main window or sent by the box after a write.
        if (HIWORD(wparam) == EN_CHANGE && reinterpret_cast<HWND>(lparam) == hwnd) {
            if (!box.writing && box.row->on_change)
                box.row->on_change();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        return destroy_subclassed(hwnd, box, wparam, lparam);
    }
    return call_window_proc(box.system_proc, hwnd, message, wparam, lparam);
}

void recompute_frame(HWND hwnd)
{
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

HWND create_edit_box(HWND parent, const ControlRow& row, int id)
{
    const bool multi_line = row.options & kMultiLine;
    const DWORD lines = multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL : ES_AUTOHSCROLL;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (row.tab ? WS_TABSTOP : 0) | lines;

    const HWND hwnd = create_subclassed(new_control_state<EditBox>(&row, nullptr, OwnedBrush(CreateSolidBrush(RGB(0xFF, 0xFF, 0xFF)))),
                                        edit_box_proc, "EDIT", style, parent, row, id);
    if (!hwnd)
        return nullptr;
    EditBox* box = control_state<EditBox>(hwnd);

    // Font and minimum height: a single-line box is at least one line of its font plus its edges.
    if (row.font)
        box->font = make_font(*row.font);
    const HFONT font = font_or_default(box->font);
    const int minimum = font_text_height(font, "吴") + 2 * GetSystemMetrics(SM_CYEDGE);
    if (!multi_line && row.height < minimum)
        SetWindowPos(hwnd, nullptr, 0, 0, row.width, minimum, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);

    if (!multi_line)
        recompute_frame(hwnd);
    SendMessageW(hwnd, EM_LIMITTEXT, 0, 0);
    SendMessageW(hwnd, EM_SETSEL, 0, 0);
    SendMessageW(hwnd, EM_SCROLLCARET, 0, 0);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, GetWindowLongPtrW(hwnd, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    recompute_frame(hwnd);
    return hwnd;
}

Text read_edit_box(HWND box)
{
    return read_window_text(box);
}

void write_edit_box(HWND hwnd, const char* text)
{
    EditBox& box = *control_state<EditBox>(hwnd);
    box.writing = true;
    write_window_text(hwnd, text);
    box.writing = false;
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), EN_CHANGE), reinterpret_cast<LPARAM>(hwnd));
}

LRESULT edit_box_colours(HWND hwnd, HDC hdc)
{
    SetTextColor(hdc, RGB(0, 0, 0));
    SetBkColor(hdc, RGB(0xFF, 0xFF, 0xFF));
    return reinterpret_cast<LRESULT>(control_state<EditBox>(hwnd)->background.get());
}

bool edit_box_takes_key(const ControlRow& row, WPARAM key, bool modifiers)
{
    return (row.options & kMultiLine) && key == VK_RETURN && !modifiers;
}
