// The bare reference for the window benchmarks: the same manifest, one 700 x 338 window titled
// "Glossavo" with twelve plain children showing the same texts in the same fonts (the system's
// own static, edit and button controls) and nothing else. Its second button writes the article of
// the example phrases into its output box with SetWindowTextA. Started with the argument
// "article", it also holds an article as long as Generate makes from a 1,000,000-byte subject,
// which its first button writes the same way.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace {

const char kExampleArticle[] =
    "　　桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "　　桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "　　这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

std::string g_article;
HWND g_output = nullptr;

const char kGeneratedExample[] =
    "    桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "    桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "    这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";

LRESULT CALLBACK plain_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        if (LOWORD(wparam) == 8 && !g_article.empty())
            SetWindowTextA(g_output, g_article.c_str());
        if (LOWORD(wparam) == 11)
            SetWindowTextA(g_output, kGeneratedExample);
        return 0;
    }
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

// Lines of 48 letters, as the benchmark's subject: the output box lays out unbroken runs slowly.
std::string subject_article()
{
    std::string subject;
    for (int line = 0; line < 20000; ++line)
        subject += std::string(48, static_cast<char>('a' + line % 26)) + "\r\n";
    // As long as the article: 240 template bytes, the subject six times, event and explanation.
    std::string article = "    ";
    for (int slot = 0; slot < 6; ++slot)
        article += subject;
    return article + std::string(240 - 4 + 5 * 10 + 26, 'x');
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int)
{
    if (std::string(command_line) == "article")
        g_article = subject_article();

    WNDCLASSA window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    window_class.lpfnWndProc = plain_proc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = "PlainWindow";
    RegisterClassA(&window_class);

    const HWND main = CreateWindowExA(0, "PlainWindow", "Glossavo", WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                      (GetSystemMetrics(SM_CXSCREEN) - 700) / 2, (GetSystemMetrics(SM_CYSCREEN) - 338) / 2,
                                      700, 338, nullptr, nullptr, instance, nullptr);
    struct Child {
        const char* class_name;
        const char* text;
        DWORD style;
        int left, top, width, height;
        HFONT font;
    };
    const auto font = [](int character_height, int weight) {
        LOGFONTA setting{};
        setting.lfHeight = -character_height;
        setting.lfWeight = weight;
        setting.lfCharSet = GB2312_CHARSET;
        return CreateFontIndirectA(&setting);
    };
    const HFONT heading = font(29, FW_NORMAL), caption = font(12, FW_BOLD), article = font(12, FW_NORMAL);
    const HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const DWORD label = SS_LEFT | SS_CENTERIMAGE, edit = WS_TABSTOP | ES_AUTOHSCROLL;
    const Child children[] = {
        {"STATIC", "Glossavo", label, 8, 8, 296, 40, heading},
        {"STATIC", "主体：", label, 8, 48, 88, 24, caption},
        {"EDIT", "桃子核", edit, 8, 72, 296, 24, gui},
        {"STATIC", "事件：", label, 8, 104, 88, 24, caption},
        {"EDIT", "不能吞下去", edit, 8, 128, 296, 24, gui},
        {"STATIC", "解释：", label, 8, 160, 88, 24, caption},
        {"EDIT", "桃核太大了，吞下去容易噎着", edit, 8, 184, 296, 24, gui},
        {"BUTTON", "生成", WS_TABSTOP, 8, 216, 56, 32, gui},
        {"EDIT", kExampleArticle, WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 320, 48, 368, 144, article},
        {"STATIC", "", SS_GRAYRECT, -1, 256, 761, 1, gui},
        {"BUTTON", "网页端", WS_TABSTOP, 624, 224, 64, 24, gui},
        {"STATIC", "原作者:Pelorin  本地版作者：Tessaly_Orm", SS_CENTER | SS_CENTERIMAGE, 0, 264, 696, 40, gui},
    };
    int id = 0;
    for (const Child& child : children) {
        const HWND hwnd = CreateWindowExA(child.class_name == std::string("EDIT") ? WS_EX_CLIENTEDGE : 0, child.class_name,
                                          child.text, WS_CHILD | WS_VISIBLE | child.style, child.left, child.top,
                                          child.width, child.height, main,
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)), instance, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(child.font), FALSE);
        if (id == 9)
            g_output = hwnd;
        if (child.class_name == std::string("EDIT"))
            SendMessageA(hwnd, EM_LIMITTEXT, 0, 0);
    }
    ShowWindow(main, SW_SHOW);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    for (const HFONT made : {heading, caption, article})
        DeleteObject(made);
    return 0;
}
