// The pieces below the window, in process: the icon rule, the clean-up hooks and the error box's
// text.
#include "window/fatal_error.hpp"
#include "window/lifecycle.hpp"
#include "window/window_icons.hpp"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

IconGroupEntry entry(BYTE size, BYTE colour_count, WORD bits, WORD id)
{
    return IconGroupEntry{size, size, colour_count, 0, 1, bits, 0, id};
}

// Every pixel of an icon drawn on black, as 0x00RRGGBB.
std::vector<DWORD> icon_pixels(HICON icon, int size)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + size * size);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<int> g_ran;

} // namespace

TEST_CASE("the icon rule: the first image of the width with a colour count of 16 or more, else the last")
{
    const IconGroupEntry program[] = {
        entry(32, 16, 4, 1),  entry(16, 16, 4, 2), entry(48, 0, 8, 3),  entry(32, 0, 8, 4),
        entry(16, 0, 8, 5),   entry(48, 0, 32, 6), entry(40, 0, 32, 7), entry(32, 0, 32, 8),
        entry(24, 0, 32, 9),  entry(20, 0, 32, 10), entry(16, 0, 32, 11),
    };
    CHECK(choose_icon(program, 11, 32)->id == 1);
    CHECK(choose_icon(program, 11, 16)->id == 2);

    // Entries of 256 colours and more give a count of 0: they never qualify.
    const IconGroupEntry modern[] = {entry(32, 0, 32, 1), entry(16, 0, 8, 2), entry(48, 0, 32, 3)};
    CHECK(choose_icon(modern, 3, 32)->id == 3);
    CHECK(choose_icon(modern, 3, 16)->id == 3);

    const IconGroupEntry later[] = {entry(32, 2, 1, 1), entry(16, 16, 4, 2), entry(32, 16, 4, 3)};
    CHECK(choose_icon(later, 3, 32)->id == 3);
    CHECK(choose_icon(later, 3, 16)->id == 2);

    CHECK(choose_icon(program, 0, 32) == nullptr);
}

TEST_CASE("the window's icons are the 32 and 16 pixel images of 16 colours")
{
    // The 16-colour images draw their tile in teal; the others in a blue no 16-colour palette holds.
    const WindowIcons icons = load_window_icons();
    REQUIRE(icons.large.get());
    REQUIRE(icons.small.get());
    struct Case {
        HICON icon;
        int size;
    };
    for (const Case& c : {Case{icons.large.get(), 32}, Case{icons.small.get(), 16}}) {
        CAPTURE(c.size);
        ICONINFO info{};
        REQUIRE(GetIconInfo(c.icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        CHECK(bitmap.bmWidth == c.size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        int teal = 0, blue = 0;
        for (DWORD pixel : icon_pixels(c.icon, c.size)) {
            teal += pixel == 0x008080;
            blue += pixel == 0x2F80A8;
        }
        CHECK(teal > c.size * c.size / 4);
        CHECK(blue == 0);
    }
}

TEST_CASE("clean-up hooks run once each, in registration order, without duplicates")
{
    register_cleanup([] { g_ran.push_back(1); });
    register_cleanup([] { g_ran.push_back(2); });
    const Hook third = [] { g_ran.push_back(3); };
    register_cleanup(third);
    register_cleanup(third);
    run_cleanup_hooks();
    CHECK(g_ran == std::vector<int>{1, 2, 3});
    run_cleanup_hooks();
    CHECK(g_ran == std::vector<int>{1, 2, 3});
}

TEST_CASE("the error box's text")
{
    char message[64];
    char text[512];
    SUBCASE("exhausted storage, with sizes past 32 bits in plain decimal")
    {
        struct Case {
            unsigned long long bytes;
            std::string message;
        };
        const Case cases[] = {
            {7, "分配 7 字节内存失败!"},
            {0, "分配 0 字节内存失败!"},
            {2147483648ULL, "分配 2147483648 字节内存失败!"},
            {4294967297ULL, "分配 4294967297 字节内存失败!"},
            {18446744073709551615ULL, "分配 18446744073709551615 字节内存失败!"},
        };
        for (const Case& c : cases) {
            CAPTURE(c.bytes);
            format_storage_message(message, sizeof message, c.bytes);
            CHECK(std::string(message) == c.message);
        }
        format_storage_message(message, sizeof message, 353);
        format_fatal_text(text, sizeof text, message, 0, 0, "");
        CHECK(std::string(text) == "运行时出错!\r\n\r\n错误信息：分配 353 字节内存失败!\r\n\r\n0, 0\r\n");
    }
    SUBCASE("a failed start-up, with its two further lines")
    {
        format_fatal_text(text, sizeof text, "载入启动窗口失败", 1375797249, 0, "\r\n\"\"\r\n\"\"");
        CHECK(std::string(text) == "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n");
    }
    SUBCASE("negative locations, and a text cut short rather than overrun")
    {
        format_fatal_text(text, sizeof text, "x", -1, -2147483647 - 1, "");
        CHECK(std::string(text) == "运行时出错!\r\n\r\n错误信息：x\r\n\r\n-1, -2147483648\r\n");
        char small[16];
        small[15] = 'Z';
        format_fatal_text(small, 15, "x", 0, 0, "");
        CHECK(std::string(small) == std::string("运行时出错!\r\n\r\n错误信息").substr(0, 14));
        CHECK(small[15] == 'Z');
    }
}
