// The program on systems of other ANSI code pages, run once per code page: typed Chinese arrives
// as its GBK bytes, characters GBK lacks become "?", and captions drawn in the same font as on a
// Chinese (936) system have the same pixels. The 936 run saves what the others compare with.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string kEvent = "不能吞下去";
const std::string kExplanation = "桃核太大了，吞下去容易噎着";

std::string captures_folder()
{
    return to_gbk(driver_folder()) + "code-page-captures\\";
}

RECT visible_client(HWND label)
{
    RECT own{}, parent{}, visible{};
    GetClientRect(label, &own);
    MapWindowPoints(label, nullptr, reinterpret_cast<POINT*>(&own), 2);
    GetClientRect(GetParent(label), &parent);
    MapWindowPoints(GetParent(label), nullptr, reinterpret_cast<POINT*>(&parent), 2);
    IntersectRect(&visible, &own, &parent);
    return visible;
}

// The font file the system gives a font setting in this process's locale (a program in the same
// locale gets the same one), named by its size and the checksum in its 'head' table: face names
// are translated into the locale's language.
std::string face_for(HFONT font)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(screen, font);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(screen, LF_FACESIZE, face);
    const DWORD size = GetFontData(screen, 0, 0, nullptr, 0);
    unsigned char checksum[4] = {};
    GetFontData(screen, 0x64616568 /* 'head' */, 8, checksum, sizeof checksum);
    SelectObject(screen, previous);
    ReleaseDC(nullptr, screen);
    return to_gbk(face) + " (" + std::to_string(size) + " bytes, checksum " +
           std::to_string((checksum[0] << 24) | (checksum[1] << 16) | (checksum[2] << 8) | checksum[3]) + ")";
}

// The same font file, whatever its face is called in each locale.
bool same_font(const std::string& a, const std::string& b)
{
    return a.substr(a.find(" (")) == b.substr(b.find(" ("));
}

void write_file(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void clear_and_type(const Program& program, const char* box, const std::wstring& text)
{
    set_window_text(program.control(box), "");
    REQUIRE(program.tab_to(box));
    type_text(text);
}

} // namespace

TEST_CASE("this run's system code page is the one it was started for")
{
    const char* expected = std::getenv("GLOSSAVO_EXPECTED_ACP");
    REQUIRE(expected);
    CHECK(GetACP() == static_cast<UINT>(std::atoi(expected)));
}

TEST_CASE("Chinese typed as real input reaches the article as its GBK bytes")
{
    const Program program;
    REQUIRE(program.main());
    clear_and_type(program, "编辑框1", L"\x6843\x5B50\x6838");  // 桃子核
    REQUIRE(eventually([&] { return window_text(program.control("编辑框1")) == "桃子核"; }));
    SendMessageW(program.control("按钮1"), BM_CLICK, 0, 0);
    const std::string article = window_text(program.control("编辑框4"));
    CHECK(article.substr(0, 20) == "    桃子核" + kEvent);
    CHECK(article.size() == 352);
}

TEST_CASE("a character GBK does not hold, typed into a box, becomes \"?\" in the article")
{
    const Program program;
    REQUIRE(program.main());
    clear_and_type(program, "编辑框1", L"A\x0E01Z");  // a Thai letter between two Latin ones
    REQUIRE(eventually([&] { return window_text(program.control("编辑框1")).size() == 3; }));
    SendMessageW(program.control("按钮1"), BM_CLICK, 0, 0);
    const std::string article = window_text(program.control("编辑框4"));
    CHECK(article.substr(0, 17) == "    A?Z" + kEvent);
    CHECK(article.size() == 240 + 6 * 3 + 5 * kEvent.size() + kExplanation.size());
}

TEST_CASE("captions drawn in the same font as on a Chinese system have the same pixels")
{
    struct Case {
        const char* name;
        const char* file;
        std::string caption;
        int character_height, weight;  // 0: the stock default GUI font
    };
    const Case cases[] = {
        {"标签1", "heading", "Glossavo", 29, FW_NORMAL},
        {"标签2", "subject-caption", "主体：", 12, FW_BOLD},
        {"标签4", "explanation-caption", "解释：", 12, FW_BOLD},
        {"标签5", "credits", "原作者:Pelorin  本地版作者：Tessaly_Orm", 0, 0},
    };
    const Program program;
    REQUIRE(program.main());
    program.activate();
    CreateDirectoryA(captures_folder().c_str(), nullptr);
    for (const Case& c : cases) {
        const std::string name = c.name;
        CAPTURE(name);
        const HWND label = program.control(c.name);
        const HFONT font = c.character_height ? label_font(c.character_height, c.weight)
                                              : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        const std::string face = face_for(font);
        if (c.character_height)
            DeleteObject(font);
        // Settled once two captures agree.
        std::vector<DWORD> pixels = capture_screen(visible_client(label)).pixels;
        eventually([&] {
            Sleep(50);
            const std::vector<DWORD> again = capture_screen(visible_client(label)).pixels;
            const bool settled = again == pixels;
            pixels = again;
            return settled;
        });
        const std::string bytes(reinterpret_cast<const char*>(pixels.data()), pixels.size() * sizeof(DWORD));
        CHECK(window_text(label) == c.caption);
        const std::string stem = captures_folder() + c.file;
        if (GetACP() == 936) {
            write_file(stem + ".pixels", bytes);
            write_file(stem + ".face", face);
            continue;
        }
        const std::string chinese_face = read_file(stem + ".face");
        REQUIRE_MESSAGE(!chinese_face.empty(), "the code page 936 run saves the captures first");
        if (same_font(face, chinese_face)) {
            CHECK(bytes == read_file(stem + ".pixels"));
        } else {
            // Wine's font fallback picks another face for this setting in this locale (for example
            // a CJK-only face for GB2312 under an English locale): the pixels cannot agree, and the
            // text, checked by the window tests of this code page, is what must.
            MESSAGE("face \"" << face << "\" here, \"" << chinese_face << "\" on code page 936: text compared, not pixels");
        }
    }
}
