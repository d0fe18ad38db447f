// The program's entry: start-up, the message loop and orderly shutdown.
#include "window/fatal_error.hpp"
#include "window/keyboard.hpp"
#include "window/lifecycle.hpp"
#include "window/main_window.hpp"
#include "system_text/system_text.hpp"

#include <windows.h>

namespace {

// The program's initialisation and clean-up hooks: it has nothing to set up or tear down.
void initialise() {}
void clean_up() {}

// The program's folder becomes the current directory. Wide, so that a folder the ANSI code page
// cannot spell is still found.
void enter_program_folder()
{
    static wchar_t path[32768];
    const DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
    if (length == 0 || length >= sizeof path / sizeof path[0])
        return;
    wchar_t* last_separator = nullptr;
    for (wchar_t* c = path; *c; ++c)
        if (*c == L'\\' || *c == L'/')
            last_separator = c;
    if (!last_separator)
        return;
    last_separator[1] = L'\0';  // the separator stays, so that a drive's root folder stays a folder
    SetCurrentDirectoryW(path);
}

// Returns the quit message's code.
int run_message_loop()
{
    mark_loop_started();
    MSG message{};
    BOOL got;
    while ((got = get_message(message)) > 0) {
        if (pre_translate_key(message))
            continue;
        TranslateMessage(&message);
        dispatch_message(message);
    }
    return got == 0 ? static_cast<int>(message.wParam) : 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    enter_program_folder();
    initialise();
    register_cleanup(clean_up);

    if (!build_main_window())
        fatal_error("载入启动窗口失败", 1375797249, 0, "\r\n\"\"\r\n\"\"");

    const int exit_code = run_message_loop();
    begin_ending();
    if (const HWND left = main_window())
        DestroyWindow(left);
    run_cleanup_hooks();
    return exit_code;
}
