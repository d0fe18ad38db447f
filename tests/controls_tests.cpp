// The controls in process, each made from a row of its own under a bare parent that routes the
// notices back as the main window does: edit box height, reading, writing and its event, fonts
// and brushes living exactly as long as their control, and the button's click.
#include "controls/edit_box.hpp"
#include "tests/seams/test_channel.hpp"

#include <doctest/doctest.h>

#include <string>

namespace {

int g_changes = 0;
int g_clicks = 0;

LRESULT CALLBACK parent_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && lparam)
        return SendMessageA(reinterpret_cast<HWND>(lparam), WM_COMMAND, wparam, lparam);
    if (message == WM_CTLCOLOREDIT)
        return edit_box_colours(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

// A parent window for the controls under test, destroyed with them.
struct Parent {
    HWND hwnd;
    Parent()
    {
        static const ATOM registered = [] {
            WNDCLASSA window_class{};
            window_class.lpfnWndProc = parent_proc;
            window_class.lpszClassName = "ControlsTestParent";
            return RegisterClassA(&window_class);
        }();
        (void)registered;
        hwnd = CreateWindowExA(0, "ControlsTestParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 700, 340, nullptr, nullptr, nullptr, nullptr);
    }
    ~Parent() { DestroyWindow(hwnd); }
};

void pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

TestChannel& storage()
{
    return *open_test_channel(GetCurrentProcessId());
}

const LOGFONTA kTwelve{-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, {}};

ControlRow input_row(int height)
{
    ControlRow row{"编辑框1", ControlKind::edit_box, 8, 72, 296, height, 1, "桃子核", nullptr, kNoOption};
    row.on_change = [] { ++g_changes; };
    return row;
}

ControlRow output_row(int height)
{
    ControlRow row{"编辑框4", ControlKind::edit_box, 320, 48, 368, height, 5, "", &kTwelve, kMultiLine};
    row.on_change = [] { ++g_changes; };
    return row;
}

int outer_height(HWND hwnd)
{
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
}

int height_of(HFONT font, const char* text)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text, lstrlenA(text), &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cy;
}

} // namespace

TEST_CASE("a single-line box lower than one line of its font and its edges grows to that height")
{
    const Parent parent;
    const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int minimum = height_of(gui, "吴") + 2 * GetSystemMetrics(SM_CYEDGE);
    REQUIRE(minimum <= 24);

    const ControlRow low = input_row(minimum - 6), tall = input_row(24), output = output_row(10);
    CHECK(outer_height(create_edit_box(parent.hwnd, low, 1)) == minimum);
    CHECK(outer_height(create_edit_box(parent.hwnd, tall, 2)) == 24);
    // The multi-line box keeps whatever height it is given.
    CHECK(outer_height(create_edit_box(parent.hwnd, output, 3)) == 10);
}

TEST_CASE("fonts: the default GUI font for the input boxes, the output box's own made from its setting")
{
    const Parent parent;
    const ControlRow input = input_row(24), output = output_row(144);
    const HWND input_box = create_edit_box(parent.hwnd, input, 1);
    const HWND output_box = create_edit_box(parent.hwnd, output, 2);
    CHECK(reinterpret_cast<HGDIOBJ>(SendMessageA(input_box, WM_GETFONT, 0, 0)) == GetStockObject(DEFAULT_GUI_FONT));
    const HFONT made = reinterpret_cast<HFONT>(SendMessageA(output_box, WM_GETFONT, 0, 0));
    REQUIRE(made);
    CHECK(made != GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA font{};
    REQUIRE(GetObjectA(made, sizeof font, &font));
    CHECK(font.lfHeight == -12);
    CHECK(font.lfWeight == FW_NORMAL);
    CHECK(font.lfCharSet == GB2312_CHARSET);  // what DEFAULT_CHARSET means on a Chinese system
    CHECK(font.lfQuality == PROOF_QUALITY);
}

TEST_CASE("a box's font and brush live exactly as long as the box")
{
    const Parent parent;
    const ControlRow output = output_row(144);
    const HWND box = create_edit_box(parent.hwnd, output, 1);
    const HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
    const HDC hdc = GetDC(box);
    const HGDIOBJ brush = reinterpret_cast<HGDIOBJ>(SendMessageA(parent.hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(box)));
    CHECK(GetTextColor(hdc) == RGB(0, 0, 0));
    CHECK(GetBkColor(hdc) == RGB(0xFF, 0xFF, 0xFF));
    ReleaseDC(box, hdc);
    CHECK(GetObjectType(font) == OBJ_FONT);
    CHECK(GetObjectType(brush) == OBJ_BRUSH);
    LOGBRUSH white{};
    GetObjectA(brush, sizeof white, &white);
    CHECK(white.lbColor == RGB(0xFF, 0xFF, 0xFF));

    DestroyWindow(box);
    CHECK(GetObjectType(font) == 0);
    CHECK(GetObjectType(brush) == 0);
}

TEST_CASE("reading a box: exactly what it shows, or null and no storage when it is empty")
{
    const Parent parent;
    const ControlRow input = input_row(24), output = output_row(144);
    const HWND input_box = create_edit_box(parent.hwnd, input, 1);
    const HWND output_box = create_edit_box(parent.hwnd, output, 2);

    struct Case {
        HWND box;
        std::string text;
    };
    for (const Case& c : {Case{input_box, "  桃子核 "}, Case{input_box, "a\r\nb"}, Case{output_box, "第一行\r\n\r\n 第三行 \r\n"}}) {
        CAPTURE(c.text);
        SetWindowTextA(c.box, c.text.c_str());
        const std::uint32_t before = storage().requests;
        const Text text = read_edit_box(c.box);
        REQUIRE(text);
        CHECK(std::string(text) == c.text);
        CHECK(storage().requests - before == 1);
        CHECK(storage().last_request == c.text.size() + 1);
        release_text(text);
    }

    SetWindowTextA(input_box, "");
    const std::uint32_t before = storage().requests;
    CHECK(read_edit_box(input_box) == nullptr);
    CHECK(storage().requests == before);
}

TEST_CASE("each write replaces the text and raises the content-changed event exactly once")
{
    const Parent parent;
    const ControlRow input = input_row(24), output = output_row(144);
    for (const ControlRow* row : {&input, &output}) {
        const HWND box = create_edit_box(parent.hwnd, *row, 1);
        g_changes = 0;
        write_edit_box(box, "同一段字");
        CHECK(g_changes == 1);
        write_edit_box(box, "同一段字");
        CHECK(g_changes == 2);
        char shown[32];
        GetWindowTextA(box, shown, sizeof shown);
        CHECK(std::string(shown) == "同一段字");

        write_edit_box(box, nullptr);
        CHECK(g_changes == 3);
        CHECK(GetWindowTextLengthA(box) == 0);

        // The user's own edit raises it too.
        SendMessageA(box, WM_CHAR, 'x', 0);
        pump();
        CHECK(g_changes == 4);
        DestroyWindow(box);
    }
}

TEST_CASE("a button's click, handed back by its parent, runs the bound action once")
{
    const Parent parent;
    ControlRow row{"按钮1", ControlKind::button, 8, 216, 56, 32, 4, "生成", nullptr, kNoOption};
    row.on_click = [] { ++g_clicks; };
    const HWND button = create_button(parent.hwnd, row, 8);
    REQUIRE(button);
    CHECK(reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)) == GetStockObject(DEFAULT_GUI_FONT));
    g_clicks = 0;
    SendMessageA(button, BM_CLICK, 0, 0);
    CHECK(g_clicks == 1);
    SendMessageA(button, BM_CLICK, 0, 0);
    CHECK(g_clicks == 2);
}

TEST_CASE("labels and the separator: classes with the arrow pointer, the hollow brush and no icon")
{
    const Parent parent;
    const ControlRow label{"标签2", ControlKind::label, 8, 48, 88, 24, 0, "主体：", nullptr, kNoOption};
    const ControlRow line{"外形框1", ControlKind::separator, -1, 256, 761, 1, 0, nullptr, nullptr, kNoOption};
    for (const HWND control : {create_label(parent.hwnd, label, 1), create_separator(parent.hwnd, line, 2)}) {
        REQUIRE(control);
        CHECK(GetClassLongPtrA(control, GCL_STYLE) == (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
        CHECK(reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(control, GCLP_HBRBACKGROUND)) == GetStockObject(NULL_BRUSH));
        CHECK(reinterpret_cast<HCURSOR>(GetClassLongPtrA(control, GCLP_HCURSOR)) == LoadCursorA(nullptr, IDC_ARROW));
        CHECK(GetClassLongPtrA(control, GCLP_HICON) == 0);
        CHECK((GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) == 0);  // made hidden
    }
}
