// The edit boxes and buttons of the running program, from outside: their exact styles, limits and
// caret, the one centred text line of the input boxes, scrolling and wrapping, and which keys click.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <string>

namespace {

constexpr LONG kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP;

const char* const kInputBoxes[] = {"编辑框1", "编辑框2", "编辑框3"};

void generate(const Program& program)
{
    SendMessageW(program.control("按钮1"), BM_CLICK, 0, 0);
}

std::pair<DWORD, DWORD> selection(HWND edit)
{
    // Packed into the result, since pointers do not cross into another process.
    const DWORD packed = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
    return {LOWORD(packed), HIWORD(packed)};
}

// Height of a line of "W" in the stock GUI font.
int gui_line_height()
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(screen, L"W", 1, &size);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return size.cy;
}

} // namespace

TEST_CASE("styles and extended styles of the four boxes and the two buttons, exactly")
{
    struct Case {
        const char* name;
        LONG style;
        LONG ex_style;
    };
    const Case cases[] = {
        {"编辑框1", kChild | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {"编辑框2", kChild | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {"编辑框3", kChild | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {"编辑框4", kChild | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, WS_EX_CLIENTEDGE},
        {"按钮1", kChild | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0},
        {"按钮3", kChild | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0},
    };
    const Program program;
    REQUIRE(program.main());
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        const HWND control = program.control(c.name);
        CHECK(GetWindowLongW(control, GWL_STYLE) == c.style);
        CHECK(GetWindowLongW(control, GWL_EXSTYLE) == c.ex_style);
    }
}

TEST_CASE("the boxes take the system's largest limit, with the caret at the start and nothing selected")
{
    const Program program;
    REQUIRE(program.main());
    for (const char* name : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"}) {
        const std::string label = name;
        CAPTURE(label);
        const HWND box = program.control(name);
        CHECK(static_cast<DWORD>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0)) >= 0x7FFFFFFEu);
        CHECK(selection(box) == std::make_pair(DWORD{0}, DWORD{0}));
    }
}

TEST_CASE("an input box shows one text line halfway down, white above and below, its border around it")
{
    const Program program;
    REQUIRE(program.main());
    program.activate();
    const int h = gui_line_height();
    const int edge = GetSystemMetrics(SM_CYEDGE);
    for (const char* name : kInputBoxes) {
        const std::string label = name;
        CAPTURE(label);
        const HWND box = program.control(name);
        const RECT outer = window_rect(box);
        RECT client{};
        GetClientRect(box, &client);
        POINT origin{0, 0};
        ClientToScreen(box, &origin);
        // One line high, centred in what the sunken edge leaves.
        CHECK(client.bottom == h);
        const int inner_top = outer.top + edge, inner_bottom = outer.bottom - edge;
        CHECK(origin.y == inner_top + (inner_bottom - inner_top - h) / 2);

        // A point above or below the line is border, one on it is not.
        const int x = origin.x + 20;
        const auto hit = [&](int y) { return SendMessageW(box, WM_NCHITTEST, 0, MAKELPARAM(x, y)); };
        CHECK(hit(inner_top) == HTBORDER);
        CHECK(hit(inner_bottom - 1) == HTBORDER);
        CHECK(hit(origin.y + h / 2) != HTBORDER);

        // White between the edge and the line, across the whole width inside the edge.
        const Capture pixels = capture_screen(outer);
        bool white = true;
        for (int y = inner_top; y < inner_bottom; ++y) {
            if (y >= origin.y && y < origin.y + h)
                continue;
            for (int px = outer.left + edge + 1; px < outer.right - edge - 1; ++px)
                white = white && pixels.at(px, y) == 0xFFFFFF;
        }
        CHECK(white);
    }
}

TEST_CASE("a text longer than an input box scrolls sideways with the caret and is read back whole")
{
    const Program program;
    REQUIRE(program.main());
    std::string subject;
    for (int i = 0; i < 30; ++i)
        subject += "桃子核" + std::to_string(i);
    const HWND box = program.control("编辑框1");
    set_window_text(box, subject);
    REQUIRE(program.tab_to("编辑框1"));
    press(VK_END);
    const DWORD characters = static_cast<DWORD>(from_gbk(subject).size());
    REQUIRE(eventually([&] { return selection(box).first == characters; }));
    // The first visible character is no longer the first one.
    CHECK(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0) > 0);
    generate(program);
    const std::string article = window_text(program.control("编辑框4"));
    CHECK(article.substr(4, subject.size()) == subject);
    CHECK(article.size() == 240 + 6 * subject.size() + 5 * 10 + 26);
}

TEST_CASE("long lines wrap in the output box and the vertical scroll bar reaches them")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    std::string paragraph;
    for (int i = 0; i < 60; ++i)
        paragraph += "桃子核不能吞下去";
    set_window_text(output, paragraph);
    // One paragraph, laid out on many lines within the box's width.
    CHECK(SendMessageW(output, EM_GETLINECOUNT, 0, 0) > 10);
    CHECK(SendMessageW(output, EM_GETFIRSTVISIBLELINE, 0, 0) == 0);
    REQUIRE(program.tab_to("编辑框4"));
    press(VK_END, {VK_CONTROL});
    CHECK(eventually([&] { return SendMessageW(output, EM_GETFIRSTVISIBLELINE, 0, 0) > 0; }));
    CHECK(window_text(output) == paragraph);
}

TEST_CASE("Enter in the output box breaks the line with CR LF, and the next Generate replaces it all")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    set_window_text(output, "");
    REQUIRE(program.tab_to("编辑框4"));
    type_text(L"一");
    press(VK_RETURN);
    type_text(L"二");
    REQUIRE(eventually([&] { return window_text(output) == "一\r\n二"; }));
    generate(program);
    CHECK(window_text(output).substr(0, 10) == "    桃子核");
    CHECK(window_text(output).size() == 352);
}

TEST_CASE("Space on a focused button clicks it")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    set_window_text(output, "");
    REQUIRE(program.tab_to("按钮1"));
    press(VK_SPACE);
    CHECK(eventually([&] { return window_text(output).size() == 352; }));
}

TEST_CASE("after Generate with the example phrases the output differs from the start only in its indents")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    std::string initial = window_text(output);
    generate(program);
    const std::string generated = window_text(output);
    CHECK(generated != initial);
    for (std::size_t at = initial.find("　　"); at != std::string::npos; at = initial.find("　　", at + 4))
        initial.replace(at, 4, "    ");
    CHECK(generated == initial);
}
