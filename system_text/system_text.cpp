// Text crossing into and out of the window system. Inside, every text is GBK; the windows are
// Unicode windows, and each crossing converts explicitly with code page 936, so the program reads
// and shows the same characters whatever the system's ANSI code page. A conversion that fails or
// whose result cannot be stored is treated as exhausted storage, never cut short.
#include "system_text/system_text.hpp"

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

constexpr UINT kGbk = 936;

// The UTF-16 form of a GBK text (null reads as empty), held for one call into the system.
class WideText {
public:
    explicit WideText(const char* text)
    {
        const std::size_t bytes = text ? std::strlen(text) : 0;
        if (bytes > INT_MAX - 1)
            storage_exhausted((static_cast<std::uint64_t>(bytes) + 1) * sizeof(wchar_t));
        const int length = bytes ? MultiByteToWideChar(kGbk, 0, text, static_cast<int>(bytes), nullptr, 0) : 0;
        if (bytes && length <= 0)
            storage_exhausted((static_cast<std::uint64_t>(bytes) + 1) * sizeof(wchar_t));
        const std::uint64_t size = (static_cast<std::uint64_t>(length) + 1) * sizeof(wchar_t);
        wide_ = static_cast<wchar_t*>(std::malloc(static_cast<std::size_t>(size)));
        if (!wide_)
            storage_exhausted(size);
        if (length)
            MultiByteToWideChar(kGbk, 0, text, static_cast<int>(bytes), wide_, length);
        wide_[length] = L'\0';
        length_ = length;
    }
    ~WideText() { std::free(wide_); }
    WideText(const WideText&) = delete;
    WideText& operator=(const WideText&) = delete;

    const wchar_t* get() const { return wide_; }
    int length() const { return length_; }

private:
    wchar_t* wide_;
    int length_;
};

} // namespace

ATOM register_window_class(const char* name, WNDPROC proc)
{
    const WideText class_name(name);
    WNDCLASSW window_class{};
    window_class.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    window_class.lpfnWndProc = proc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));  // an id, not a text
    window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    window_class.lpszClassName = class_name.get();
    return RegisterClassW(&window_class);
}

HWND create_window(DWORD ex_style, const char* class_name, const char* text, DWORD style, int left, int top,
                   int width, int height, HWND parent, int id, void* param)
{
    const WideText wide_class(class_name);
    const WideText wide_text(text);
    return CreateWindowExW(ex_style, wide_class.get(), wide_text.get(), style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), param);
}

LRESULT default_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

WNDPROC subclass_window(HWND hwnd, WNDPROC proc)
{
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

LRESULT call_window_proc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam)
{
    return CallWindowProcW(proc, hwnd, message, wparam, lparam);
}

BOOL get_message(MSG& message)
{
    return GetMessageW(&message, nullptr, 0, 0);
}

void dispatch_message(const MSG& message)
{
    DispatchMessageW(&message);
}

Text read_window_text(HWND hwnd)
{
    const int capacity = GetWindowTextLengthW(hwnd);
    if (capacity <= 0)
        return nullptr;
    const std::uint64_t size = (static_cast<std::uint64_t>(capacity) + 1) * sizeof(wchar_t);
    wchar_t* wide = static_cast<wchar_t*>(std::malloc(static_cast<std::size_t>(size)));
    if (!wide)
        storage_exhausted(size);
    const int length = GetWindowTextW(hwnd, wide, capacity + 1);
    // Characters GBK cannot hold become "?", as the system's own ANSI conversion makes them.
    const int bytes = length > 0 ? WideCharToMultiByte(kGbk, 0, wide, length, nullptr, 0, nullptr, nullptr) : 0;
    if (length > 0 && bytes <= 0)
        storage_exhausted(static_cast<std::uint64_t>(length) * 2 + 1);  // at most two bytes a character
    Text text = nullptr;
    if (bytes > 0) {
        text = obtain_text(static_cast<std::uint64_t>(bytes) + 1);
        WideCharToMultiByte(kGbk, 0, wide, length, text, bytes, nullptr, nullptr);
        text[bytes] = '\0';
    }
    std::free(wide);
    return text;
}

void write_window_text(HWND hwnd, const char* text)
{
    const WideText wide(text);
    SetWindowTextW(hwnd, wide.get());
}

HFONT create_font(const LOGFONTA& setting)
{
    LOGFONTW font;
    std::memcpy(&font, &setting, offsetof(LOGFONTA, lfFaceName));
    const WideText face(setting.lfFaceName);
    const int length = face.length() < LF_FACESIZE ? face.length() : LF_FACESIZE - 1;
    std::memcpy(font.lfFaceName, face.get(), static_cast<std::size_t>(length) * sizeof(wchar_t));
    font.lfFaceName[length] = L'\0';
    return CreateFontIndirectW(&font);
}

int text_height(HDC hdc, const char* text)
{
    const WideText wide(text);
    SIZE size{};
    GetTextExtentPoint32W(hdc, wide.get(), wide.length(), &size);
    return size.cy;
}

Caption::Caption(HWND hwnd) : length_(GetWindowTextW(hwnd, text_, sizeof text_ / sizeof text_[0])) {}

void Caption::draw(HDC hdc, RECT& area, UINT format) const
{
    DrawTextW(hdc, text_, length_, &area, format);
}

void show_error_box(const char* text, const char* title)
{
    // On the stack: this box is what the user sees when memory has run out.
    wchar_t wide_text[512];
    wchar_t wide_title[16];
    if (!MultiByteToWideChar(kGbk, 0, text, -1, wide_text, sizeof wide_text / sizeof wide_text[0]))
        wide_text[0] = L'\0';
    if (!MultiByteToWideChar(kGbk, 0, title, -1, wide_title, sizeof wide_title / sizeof wide_title[0]))
        wide_title[0] = L'\0';
    MessageBoxW(nullptr, wide_text, wide_title, MB_OK | MB_ICONERROR);
}
