// The running program from outside: where its window and controls stand, what Generate writes,
// how the keys move the focus and end the program.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <string>

namespace {

struct ExpectedControl {
    const char* name;
    const char* class_name;
    int left, top, width, height;
    bool tab_stop;
    std::string text;
};

const std::string kExampleArticle =
    "　　桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "　　桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "　　这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

const std::string kGeneratedExample =
    "    桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "    桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "    这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

// Creation order, bottom of the stack first.
const ExpectedControl kExpected[] = {
    {"标签1", "GlossavoLabel", 8, 8, 296, 40, false, "Glossavo"},
    {"标签2", "GlossavoLabel", 8, 48, 88, 24, false, "主体："},
    {"编辑框1", "Edit", 8, 72, 296, 24, true, "桃子核"},
    {"标签3", "GlossavoLabel", 8, 104, 88, 24, false, "事件："},
    {"编辑框2", "Edit", 8, 128, 296, 24, true, "不能吞下去"},
    {"标签4", "GlossavoLabel", 8, 160, 88, 24, false, "解释："},
    {"编辑框3", "Edit", 8, 184, 296, 24, true, "桃核太大了，吞下去容易噎着"},
    {"按钮1", "Button", 8, 216, 56, 32, true, "生成"},
    {"编辑框4", "Edit", 320, 48, 368, 144, true, kExampleArticle},
    {"外形框1", "GlossavoSeparator", -1, 256, 761, 1, false, ""},
    {"按钮3", "Button", 624, 224, 64, 24, true, "网页端"},
    {"标签5", "GlossavoLabel", 0, 264, 696, 40, false, "原作者:Pelorin  本地版作者：Tessaly_Orm"},
};

const char* const kTabOrder[] = {"编辑框1", "编辑框2", "编辑框3", "按钮1", "编辑框4", "按钮3"};

void generate(const Program& program)
{
    SendMessageW(program.control("按钮1"), BM_CLICK, 0, 0);
}

DWORD selection(HWND edit)
{
    return static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
}

} // namespace

TEST_CASE("the window opens centred on the screen, 700 x 338 with its frame")
{
    REQUIRE(GetSystemMetrics(SM_CXSCREEN) == 1024);
    REQUIRE(GetSystemMetrics(SM_CYSCREEN) == 768);
    const Program program;
    REQUIRE(program.main());
    const RECT outer = window_rect(program.main());
    CHECK(outer.left == 162);
    CHECK(outer.top == 215);
    CHECK(outer.right - outer.left == 700);
    CHECK(outer.bottom - outer.top == 338);
    CHECK(window_text(program.main()) == "Glossavo");
}

TEST_CASE("on a screen lower than the window its top is above the screen")
{
    if (GetSystemMetrics(SM_CYSCREEN) != 300) {
        // Run this same case again inside the prefix's 1024 x 300 desktop.
        std::wstring self(MAX_PATH, L'\0');
        self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
        std::wstring command = L"\"" + self + L"\" --test-case=\"on a screen lower*\"";
        std::wstring desktop = L"small";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.lpDesktop = desktop.data();
        PROCESS_INFORMATION started{};
        REQUIRE(CreateProcessW(self.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
        WaitForSingleObject(started.hProcess, 60000);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(started.hProcess, &code);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        CHECK(code == 0);
        return;
    }
    const Program program;
    REQUIRE(program.main());
    const RECT outer = window_rect(program.main());
    CHECK(outer.top == (300 - 338) / 2);
    CHECK(outer.top == -19);
    CHECK(outer.left == 162);
    CHECK(outer.bottom - outer.top == 338);
}

TEST_CASE("a fixed frame: no resizing, no maximising, minimise and the system menu present")
{
    const Program program;
    REQUIRE(program.main());
    const LONG style = GetWindowLongW(program.main(), GWL_STYLE);
    CHECK((style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN)) == (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN));
    CHECK((style & (WS_THICKFRAME | WS_MAXIMIZEBOX)) == 0);
    // The frame's edge is a plain border, not a handle to drag.
    const RECT outer = window_rect(program.main());
    const LPARAM left_edge = MAKELPARAM(outer.left + 1, (outer.top + outer.bottom) / 2);
    CHECK(SendMessageW(program.main(), WM_NCHITTEST, 0, left_edge) != HTLEFT);
    const LPARAM corner = MAKELPARAM(outer.right - 1, outer.bottom - 1);
    CHECK(SendMessageW(program.main(), WM_NCHITTEST, 0, corner) != HTBOTTOMRIGHT);
}

TEST_CASE("the twelve controls stand in the table's places and order, with their texts and styles")
{
    const Program program;
    REQUIRE(program.main());
    const std::vector<HWND> children = program.children_bottom_to_top();
    REQUIRE(children.size() == 12);
    for (std::size_t i = 0; i < 12; ++i) {
        const ExpectedControl& expected = kExpected[i];
        const HWND child = children[i];
        const std::string name = expected.name;
        CAPTURE(name);
        CHECK(class_name(child) == expected.class_name);
        const RECT place = rect_in_parent(child);
        CHECK(place.left == expected.left);
        CHECK(place.top == expected.top);
        CHECK(place.right - place.left == expected.width);
        CHECK(place.bottom - place.top == expected.height);
        CHECK(window_text(child) == expected.text);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        CHECK(((style & WS_TABSTOP) != 0) == expected.tab_stop);
        CHECK(IsWindowVisible(child));
        CHECK(IsWindowEnabled(child));
    }
}

TEST_CASE("at start the focus is in the subject box before its first character, and the output shows the example")
{
    const Program program;
    REQUIRE(program.main());
    CHECK(program.focus() == program.control("编辑框1"));
    CHECK(selection(program.control("编辑框1")) == 0);
    const std::string article = window_text(program.control("编辑框4"));
    CHECK(article == kExampleArticle);
    CHECK(article.size() == 352);
    CHECK(article.substr(0, 4) == "\xA1\xA1\xA1\xA1");
}

TEST_CASE("Generate writes the article composed from the three input boxes")
{
    struct Case {
        const char* name;
        std::string subject, event, explanation;
        std::string article;  // empty: only its size is known
        std::size_t size;
    };
    const std::string kTemplateOnly =
        "    是怎么回事呢？相信大家都很熟悉，但是是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
        "    ，其实就是，大家可能会很惊讶怎么会呢？但事实就是这样，小编也感到非常惊讶。\r\n"
        "    这就是关于的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";
    const Case cases[] = {
        {"the example phrases", "桃子核", "不能吞下去", "桃核太大了，吞下去容易噎着", kGeneratedExample, 352},
        {"all three boxes empty", "", "", "", kTemplateOnly, 240},
        {"CR LF and blanks at the edges pass through", " 桃\r\n子 ", "\r\n不能 ", "  ",
         "     桃\r\n子 \r\n不能 是怎么回事呢？ 桃\r\n子 相信大家都很熟悉，但是 桃\r\n子 \r\n不能 是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
         "     桃\r\n子 \r\n不能 ，其实就是  ，大家可能会很惊讶 桃\r\n子 怎么会\r\n不能 呢？但事实就是这样，小编也感到非常惊讶。\r\n"
         "    这就是关于 桃\r\n子 \r\n不能 的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！",
         240 + 6 * 8 + 5 * 7 + 2},
    };
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        const Program program;
        REQUIRE(program.main());
        set_window_text(program.control("编辑框1"), c.subject);
        set_window_text(program.control("编辑框2"), c.event);
        set_window_text(program.control("编辑框3"), c.explanation);
        generate(program);
        const std::string article = window_text(program.control("编辑框4"));
        CHECK(article.size() == c.size);
        CHECK(article == c.article);
        // The input boxes are left as they were.
        CHECK(window_text(program.control("编辑框1")) == c.subject);
        CHECK(window_text(program.control("编辑框2")) == c.event);
        CHECK(window_text(program.control("编辑框3")) == c.explanation);
    }
}

TEST_CASE("each Generate replaces the whole output, also what the user typed into it")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    for (int round = 0; round < 3; ++round) {
        set_window_text(output, "用户写的字\r\n第二行");
        generate(program);
        CHECK(window_text(output) == kGeneratedExample);
    }
}

TEST_CASE("a 1,000,000-byte subject gives an article of exactly the size law")
{
    const Program program;
    REQUIRE(program.main());
    // Lines of 48 letters: the output box lays out long unbroken runs slowly.
    std::string subject;
    for (int line = 0; line < 20000; ++line)
        subject += std::string(48, static_cast<char>('a' + line % 26)) + "\r\n";
    REQUIRE(subject.size() == 1000000);
    set_window_text(program.control("编辑框1"), subject);
    REQUIRE(window_text(program.control("编辑框1")).size() == 1000000);
    generate(program);
    const std::string article = window_text(program.control("编辑框4"));
    CHECK(article.size() == 240 + 6 * 1000000 + 5 * 10 + 26);
    CHECK(article.substr(4, 50) == subject.substr(0, 50));
    CHECK(article.substr(article.size() - 60 - 10 - 50) .substr(0, 50) == subject.substr(subject.size() - 50));
}

TEST_CASE("Tab and Shift+Tab visit the six tab stops in order and wrap round")
{
    struct Step {
        const char* from;
        bool shift;
        const char* to;
    };
    const Step steps[] = {
        {"编辑框1", false, "编辑框2"}, {"编辑框2", false, "编辑框3"}, {"编辑框3", false, "按钮1"},
        {"按钮1", false, "编辑框4"},   {"编辑框4", false, "按钮3"},   {"按钮3", false, "编辑框1"},
        {"编辑框1", true, "按钮3"},    {"按钮3", true, "编辑框4"},    {"编辑框4", true, "按钮1"},
        {"按钮1", true, "编辑框3"},    {"编辑框3", true, "编辑框2"},  {"编辑框2", true, "编辑框1"},
    };
    const Program program;
    REQUIRE(program.main());
    program.activate();
    const std::string article = window_text(program.control("编辑框4"));
    for (const Step& step : steps) {
        const std::string from = step.from;
        CAPTURE(from);
        CAPTURE(step.shift);
        REQUIRE(program.focus() == program.control(step.from));
        if (step.shift)
            press(VK_TAB, {VK_SHIFT});
        else
            press(VK_TAB);
        CHECK(eventually([&] { return program.focus() == program.control(step.to); }));
    }
    // No box received a tab character on the way, the output box included.
    for (const char* name : {"编辑框1", "编辑框2", "编辑框3"})
        CHECK(window_text(program.control(name)).find('\t') == std::string::npos);
    CHECK(window_text(program.control("编辑框4")) == article);
}

TEST_CASE("Enter clicks no button and moves no focus; in the output box it starts a new line")
{
    const Program program;
    REQUIRE(program.main());
    const HWND output = program.control("编辑框4");
    set_window_text(output, "");

    SUBCASE("in an input box, then on each button")
    {
        program.activate();
        for (const std::string name : {"编辑框1", "编辑框2", "编辑框3", "按钮1"}) {
            CAPTURE(name);
            const HWND control = program.control(name.c_str());
            REQUIRE(program.tab_to(name.c_str()));
            const std::string before = window_text(control);
            press(VK_RETURN);
            // A Tab after the Enter: once the focus has moved, the Enter has been handled too.
            press(VK_TAB);
            CHECK(eventually([&] { return program.focus() != control; }));
            CHECK(window_text(control) == before);
            CHECK(window_text(output).empty());
        }
        REQUIRE(program.tab_to("按钮3"));
        press(VK_RETURN);
        press(VK_TAB);
        CHECK(eventually([&] { return program.focus() == program.control("编辑框1"); }));
        CHECK(window_text(output).empty());
    }
    SUBCASE("in the output box")
    {
        REQUIRE(program.tab_to("编辑框4"));
        type_text(L"ab");
        press(VK_RETURN);
        type_text(L"c");
        CHECK(eventually([&] { return window_text(output) == "ab\r\nc"; }));
        CHECK(program.focus() == output);
    }
}

TEST_CASE("Esc from any tab stop ends the program with exit code 0")
{
    for (const std::string name : kTabOrder) {
        CAPTURE(name);
        Program program;
        REQUIRE(program.main());
        REQUIRE(program.tab_to(name.c_str()));
        press(VK_ESCAPE);
        CHECK(program.wait_exit() == 0);
    }
}

TEST_CASE("every close request ends the program with exit code 0")
{
    SUBCASE("the close button and Close in the system menu")
    {
        Program program;
        REQUIRE(program.main());
        PostMessageW(program.main(), WM_SYSCOMMAND, SC_CLOSE, 0);
        CHECK(program.wait_exit() == 0);
    }
    SUBCASE("Alt+F4")
    {
        Program program;
        REQUIRE(program.main());
        program.activate();
        press(VK_F4, {VK_MENU});
        CHECK(program.wait_exit() == 0);
    }
    SUBCASE("F1 is no help and no close")
    {
        Program program;
        REQUIRE(program.main());
        program.activate();
        press(VK_F1);
        press(VK_TAB);
        CHECK(eventually([&] { return program.focus() == program.control("编辑框2"); }));
        CHECK(program.wait_exit(200) == STILL_ACTIVE);
    }
}

TEST_CASE("the focused control has the focus again after minimising, and after another program was in front")
{
    Program program;
    REQUIRE(program.main());
    REQUIRE(program.tab_to("编辑框3"));

    PostMessageW(program.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    REQUIRE(eventually([&] { return IsIconic(program.main()) != FALSE; }));
    PostMessageW(program.main(), WM_SYSCOMMAND, SC_RESTORE, 0);
    REQUIRE(eventually([&] { return !IsIconic(program.main()); }));
    program.activate();
    CHECK(eventually([&] { return program.focus() == program.control("编辑框3"); }));

    REQUIRE(program.tab_to("按钮1"));
    {
        // A second copy comes to the front with a window of its own; they share nothing.
        const Program second;
        REQUIRE(second.main());
        CHECK(second.main() != program.main());
        second.activate();
        CHECK(second.focus() == second.control("编辑框1"));
        program.activate();
        CHECK(eventually([&] { return program.focus() == program.control("按钮1"); }));
    }
}
