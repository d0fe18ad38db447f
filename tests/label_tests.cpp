// The labels and the separator line of the running program, read from the screen: the silver row,
// the 3D face background, each caption in its font, weight and place, and the classes' settings.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

DWORD face_colour()
{
    const COLORREF colour = GetSysColor(COLOR_BTNFACE);  // 0x00BBGGRR
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

RECT screen_rect_of_client(HWND hwnd)
{
    RECT rect{};
    GetClientRect(hwnd, &rect);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The caption as it should look: drawn by the system in a box of the label's size, on the face
// colour, in black.
std::vector<DWORD> expected_label(const std::string& caption, HFONT font, int width, int height, UINT format)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous_bitmap = SelectObject(memory, bitmap);
    const HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    RECT area{0, 0, width, height};
    FillRect(memory, &area, face);
    const HGDIOBJ previous_font = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(0, 0, 0));
    const std::wstring text = from_gbk(caption);
    DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &area, format);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    SelectObject(memory, previous_font);
    SelectObject(memory, previous_bitmap);
    DeleteObject(face);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// How much ink: the summed darkness of every pixel.
long ink(const std::vector<DWORD>& pixels)
{
    long sum = 0;
    for (DWORD pixel : pixels)
        sum += 3 * 255 - static_cast<long>((pixel >> 16) & 0xFF) - static_cast<long>((pixel >> 8) & 0xFF) - static_cast<long>(pixel & 0xFF);
    return sum;
}

// The part of a label inside its window's client area: the credits line reaches past its right edge.
RECT visible_part(HWND label)
{
    RECT visible;
    const RECT parent = screen_rect_of_client(GetParent(label));
    const RECT own = screen_rect_of_client(label);
    IntersectRect(&visible, &own, &parent);
    return visible;
}

std::vector<DWORD> on_screen(HWND label)
{
    return capture_screen(visible_part(label)).pixels;
}

// The expected pixels of a label of `width`, cut to its visible part.
std::vector<DWORD> visible(HWND label, const std::vector<DWORD>& pixels, int width)
{
    const RECT part = visible_part(label);
    const RECT own = screen_rect_of_client(label);
    std::vector<DWORD> cut;
    for (int y = part.top - own.top; y < part.bottom - own.top; ++y)
        for (int x = part.left - own.left; x < part.right - own.left; ++x)
            cut.push_back(pixels[static_cast<std::size_t>(y * width + x)]);
    return cut;
}

void repaint(HWND hwnd)
{
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

} // namespace

TEST_CASE("the separator is one silver row across the whole client area at y = 256")
{
    const Program program;
    REQUIRE(program.main());
    program.activate();
    const RECT client = screen_rect_of_client(program.main());
    const int y = client.top + 256;
    REQUIRE(eventually([&] { return capture_screen(RECT{client.left, y, client.right, y + 1}).pixels[0] == 0xC0C0C0; }));
    const Capture settled = capture_screen(RECT{client.left, y - 1, client.right, y + 2});
    int silver = 0, face_above = 0, face_below = 0;
    for (int x = client.left; x < client.right; ++x) {
        silver += settled.at(x, y) == 0xC0C0C0;
        face_above += settled.at(x, y - 1) == face_colour();
        face_below += settled.at(x, y + 1) == face_colour();
    }
    const int width = client.right - client.left;
    CHECK(silver == width);
    CHECK(face_above == width);
    CHECK(face_below == width);
}

TEST_CASE("each label shows its caption in its own font and place on the face colour")
{
    struct Case {
        const char* name;
        int width, height;
        int character_height, weight;  // 0: the stock default GUI font
        UINT alignment;
    };
    const Case cases[] = {
        {"标签1", 296, 40, 29, FW_NORMAL, 0},
        {"标签2", 88, 24, 12, FW_BOLD, 0},
        {"标签3", 88, 24, 12, FW_BOLD, 0},
        {"标签4", 88, 24, 12, FW_BOLD, 0},
        {"标签5", 696, 40, 0, 0, DT_CENTER},
    };
    const Program program;
    REQUIRE(program.main());
    program.activate();
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        const HWND label = program.control(c.name);
        const HFONT font = c.character_height ? label_font(c.character_height, c.weight)
                                              : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const std::vector<DWORD> expected = visible(
            label, expected_label(window_text(label), font, c.width, c.height, DT_SINGLELINE | DT_VCENTER | c.alignment), c.width);
        CHECK(eventually([&] { return on_screen(label) == expected; }, 2000));
        if (c.character_height)
            DeleteObject(font);
    }
}

TEST_CASE("captions are bold: more ink than the same text in weight 400")
{
    const Program program;
    REQUIRE(program.main());
    program.activate();
    const HWND label = program.control("标签2");
    const HFONT regular = label_font(12, FW_NORMAL);
    const HFONT bold = label_font(12, FW_BOLD);
    const long regular_ink = ink(expected_label("主体：", regular, 88, 24, DT_SINGLELINE | DT_VCENTER));
    const long bold_ink = ink(expected_label("主体：", bold, 88, 24, DT_SINGLELINE | DT_VCENTER));
    DeleteObject(regular);
    DeleteObject(bold);
    REQUIRE(bold_ink > regular_ink);
    long shown = 0;
    eventually([&] { return (shown = ink(on_screen(label))) > 0; });
    CHECK(shown > (regular_ink + bold_ink) / 2);
}

TEST_CASE("a caption stays on one line and is cut off at its label's edge")
{
    const Program program;
    REQUIRE(program.main());
    program.activate();
    const HWND label = program.control("标签3");
    const std::string caption = "事件：这一行字比标签宽得多，而且不会换到第二行去";
    set_window_text(label, caption);
    repaint(label);
    const HFONT bold = label_font(12, FW_BOLD);
    const std::vector<DWORD> expected = expected_label(caption, bold, 88, 24, DT_SINGLELINE | DT_VCENTER);
    DeleteObject(bold);
    CHECK(eventually([&] { return on_screen(label) == expected; }, 2000));

    // Beside the label, the window's own face colour: nothing spills over.
    const RECT area = screen_rect_of_client(label);
    const Capture beside = capture_screen(RECT{area.right, area.top, area.right + 40, area.bottom});
    bool face = true;
    for (DWORD pixel : beside.pixels)
        face = face && pixel == face_colour();
    CHECK(face);
}

TEST_CASE("a label whose caption is emptied paints only its background")
{
    const Program program;
    REQUIRE(program.main());
    program.activate();
    for (const char* name : {"标签1", "标签5"}) {
        const std::string label_name = name;
        CAPTURE(label_name);
        const HWND label = program.control(name);
        set_window_text(label, "");
        repaint(label);
        const auto all_face = [&] {
            for (DWORD pixel : on_screen(label))
                if (pixel != face_colour())
                    return false;
            return true;
        };
        CHECK(eventually(all_face, 2000));
    }
}

TEST_CASE("labels and the separator: hidden-at-creation children of their own classes, no extended style")
{
    const Program program;
    REQUIRE(program.main());
    for (const char* name : {"标签1", "标签2", "标签3", "标签4", "标签5", "外形框1"}) {
        const std::string label = name;
        CAPTURE(label);
        const HWND control = program.control(name);
        CHECK(GetWindowLongW(control, GWL_STYLE) == (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS));
        CHECK(GetWindowLongW(control, GWL_EXSTYLE) == 0);
        CHECK(GetClassLongW(control, GCL_STYLE) == (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    }
    CHECK(GetClassLongW(program.main(), GCL_STYLE) == (CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
}
