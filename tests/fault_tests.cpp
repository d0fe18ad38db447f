// The fatal-error box, end to end in a test build of the program whose storage or window system
// refuses on request: its exact text, no action while it is open, and exit code -1 once closed.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <cstring>
#include <string>

namespace {

constexpr DWORD kFatalExit = 0xFFFFFFFF;

std::string box_text(HWND box)
{
    return window_text(GetDlgItem(box, 0xFFFF));
}

void press_ok(HWND box)
{
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

Launch seamed()
{
    Launch launch;
    launch.program = L"glossavo_seamed.exe";
    return launch;
}

} // namespace

TEST_CASE("storage refused during Generate: the error box names the request, and the output stays unwritten")
{
    struct Case {
        const char* name;
        std::uint32_t request;  // which of Generate's requests is refused
        std::string message;
    };
    const Case cases[] = {
        {"copying the subject", 1, "分配 7 字节内存失败!"},
        {"copying the explanation", 3, "分配 27 字节内存失败!"},
        {"the article", 4, "分配 353 字节内存失败!"},
    };
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        Program program(seamed());
        REQUIRE(program.main());
        const HWND output = program.control("编辑框4");
        const std::string before = window_text(output);
        program.channel().refuse_request = program.channel().requests + c.request;
        PostMessageW(program.control("按钮1"), BM_CLICK, 0, 0);

        const HWND box = program.wait_for_window("错误");
        REQUIRE(box);
        CHECK(class_name(box) == "#32770");
        CHECK(GetWindow(box, GW_OWNER) == nullptr);
        CHECK(box_text(box) == "运行时出错!\r\n\r\n错误信息：" + c.message + "\r\n\r\n0, 0\r\n");
        CHECK(program.channel().last_request == std::stoull(c.message.substr(5)));
        CHECK(window_text(output) == before);

        // While the box is open, clicks run nothing.
        const std::uint32_t requests = program.channel().requests;
        SendMessageW(program.control("按钮1"), BM_CLICK, 0, 0);
        CHECK(program.channel().requests == requests);
        CHECK(window_text(output) == before);

        press_ok(box);
        CHECK(program.wait_exit() == kFatalExit);
    }
}

TEST_CASE("a window the system refuses while building: the start-up error box, and the window never shown")
{
    for (const char* refused : {"GlossavoMainWindow", "GlossavoLabel", "Edit", "Button", "GlossavoSeparator"}) {
        const std::string name = refused;
        CAPTURE(name);
        Launch launch = seamed();
        launch.wait_for_window = false;
        launch.prepare = [&](TestChannel& channel) {
            std::strncpy(channel.refuse_window_class, refused, sizeof channel.refuse_window_class - 1);
        };
        Program program(launch);
        const HWND box = program.wait_for_window("错误");
        REQUIRE(box);
        CHECK(box_text(box) == "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n\r\n1375797249, 0\r\n\"\"\r\n\"\"\r\n");
        CHECK(program.wait_for_window("Glossavo", 0) == nullptr);
        press_ok(box);
        CHECK(program.wait_exit() == kFatalExit);
    }
}
