// Text crossing into and out of the window system, as the system's ANSI code page (GBK).
#include "window/system_text.hpp"

ATOM register_window_class(const char* name, WNDPROC proc)
{
    WNDCLASSA window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    window_class.lpfnWndProc = proc;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    window_class.lpszClassName = name;
    return RegisterClassA(&window_class);
}

HWND create_window(DWORD ex_style, const char* class_name, const char* text, DWORD style, int left, int top,
                   int width, int height, HWND parent, int id, void* param)
{
    return CreateWindowExA(ex_style, class_name, text, style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), param);
}

LRESULT default_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

WNDPROC subclass_window(HWND hwnd, WNDPROC proc)
{
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

LRESULT call_window_proc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallWindowProcA(proc, hwnd, message, wparam, lparam);
}

BOOL get_message(MSG& message)
{
    return GetMessageA(&message, nullptr, 0, 0);
}

void dispatch_message(const MSG& message)
{
    DispatchMessageA(&message);
}

Text read_window_text(HWND hwnd)
{
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return nullptr;
    Text text = obtain_text(static_cast<std::uint64_t>(length) + 1);
    GetWindowTextA(hwnd, text, length + 1);
    return text;
}

void write_window_text(HWND hwnd, const char* text)
{
    SetWindowTextA(hwnd, text ? text : "");
}

int text_height(HDC hdc, const char* text)
{
    SIZE size{};
    GetTextExtentPoint32A(hdc, text, lstrlenA(text), &size);
    return size.cy;
}

Caption::Caption(HWND hwnd) : length_(GetWindowTextA(hwnd, text_, sizeof text_)) {}

void Caption::draw(HDC hdc, RECT& area, UINT format) const
{
    DrawTextA(hdc, text_, length_, &area, format);
}

void show_error_box(const char* text, const char* title)
{
    MessageBoxA(nullptr, text, title, MB_OK | MB_ICONERROR);
}
