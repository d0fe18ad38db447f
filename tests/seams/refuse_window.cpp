// Test builds only: has the system refuse the first window of the class named in the process's
// test channel, so that the window's build fails as it would on a real refusal.
#include "tests/seams/test_channel.hpp"

#include <cwchar>

namespace {

HHOOK g_hook = nullptr;
wchar_t g_refused_class[32];

LRESULT CALLBACK refuse_creation(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND && g_refused_class[0]) {
        wchar_t name[64];
        if (GetClassNameW(reinterpret_cast<HWND>(wparam), name, 64) && _wcsicmp(name, g_refused_class) == 0) {
            g_refused_class[0] = L'\0';
            return 1;  // the system refuses the window
        }
    }
    return CallNextHookEx(g_hook, code, wparam, lparam);
}

// Runs before the program's entry point.
struct InstallHook {
    InstallHook()
    {
        const TestChannel* channel = open_test_channel(GetCurrentProcessId());
        if (!channel || !channel->refuse_window_class[0])
            return;
        MultiByteToWideChar(CP_ACP, 0, channel->refuse_window_class, -1, g_refused_class, 32);
        g_hook = SetWindowsHookExW(WH_CBT, refuse_creation, nullptr, GetCurrentThreadId());
    }
} g_install_hook;

} // namespace
