// Labels: the heading, the captions above the input boxes and the credits line, each painted on
// the 3D face colour in its own font.
#include "controls/control.hpp"
#include "controls/gdi.hpp"
#include "controls/control_state.hpp"
#include "system_text/system_text.hpp"

namespace {

constexpr char kLabelClass[] = "GlossavoLabel";

void paint(HWND hwnd, const ControlRow& row)
{
    PaintDc dc(hwnd);
    if (IsRectEmpty(&dc.area()))
        return;

    RECT client;
    GetClientRect(hwnd, &client);
    RECT area;
    IntersectRect(&area, &dc.area(), &client);
    IntersectClipRect(dc.get(), area.left, area.top, area.right, area.bottom);
    FillRect(dc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));

    const Caption caption(hwnd);
    if (caption.empty())
        return;

    const OwnedFont font = row.font ? make_font(*row.font) : OwnedFont();
    const SelectGuard selected(dc.get(), font_or_default(font));
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(0, 0, 0));
    const UINT centred = (row.options & kCentred) ? DT_CENTER : 0;
    caption.draw(dc.get(), client, DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | centred);
}

LRESULT CALLBACK label_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    switch (message) {
    case WM_NCCREATE:
        attach_control_state(hwnd, static_cast<const ControlRow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
        break;
    case WM_PAINT:
        paint(hwnd, *control_state<const ControlRow>(hwnd));
        return 0;
    }
    return default_window_proc(hwnd, message, wparam, lparam);
}

} // namespace

HWND create_label(HWND parent, const ControlRow& row, int id)
{
    static const ATOM registered = register_window_class(kLabelClass, label_proc);
    if (!registered)
        return nullptr;
    return create_window(0, kLabelClass, row.text, WS_CHILD | WS_CLIPSIBLINGS, row.left, row.top, row.width,
                         row.height, parent, id, const_cast<ControlRow*>(&row));
}
