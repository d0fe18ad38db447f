// The separator line: a silver rectangle filling its control, one pixel high in this window.
#include "controls/control.hpp"
#include "controls/gdi.hpp"
#include "system_text/system_text.hpp"

namespace {

constexpr char kSeparatorClass[] = "GlossavoSeparator";
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

void paint(HWND hwnd)
{
    PaintDc dc(hwnd);
    if (IsRectEmpty(&dc.area()))
        return;
    FillRect(dc.get(), &dc.area(), GetSysColorBrush(COLOR_BTNFACE));

    // Width 0 asks for the system's one-pixel pen.
    const OwnedPen pen(CreatePen(PS_INSIDEFRAME, 0, kSilver));
    const OwnedBrush brush(CreateSolidBrush(kSilver));
    const SelectGuard pen_selected(dc.get(), pen.get());
    const SelectGuard brush_selected(dc.get(), brush.get());
    SetBkMode(dc.get(), TRANSPARENT);
    RECT client;
    GetClientRect(hwnd, &client);
    Rectangle(dc.get(), client.left, client.top, client.right, client.bottom);
}

LRESULT CALLBACK separator_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    if (message == WM_PAINT) {
        paint(hwnd);
        return 0;
    }
    return default_window_proc(hwnd, message, wparam, lparam);
}

} // namespace

HWND create_separator(HWND parent, const ControlRow& row, int id)
{
    static const ATOM registered = register_window_class(kSeparatorClass, separator_proc);
    if (!registered)
        return nullptr;
    return create_window(0, kSeparatorClass, nullptr, WS_CHILD | WS_CLIPSIBLINGS, row.left, row.top, row.width,
                         row.height, parent, id, nullptr);
}
