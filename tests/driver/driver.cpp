// Starting the program under test and looking at it from outside.
#include "tests/driver/driver.hpp"

const char* const kControlNames[12] = {
    "标签1", "标签2", "编辑框1", "标签3", "编辑框2", "标签4", "编辑框3", "按钮1", "编辑框4", "外形框1", "按钮3", "标签5",
};

std::wstring from_gbk(const std::string& bytes)
{
    if (bytes.empty())
        return {};
    const int length = MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(936, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
    return text;
}

std::string to_gbk(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::wstring driver_folder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

namespace {

struct FindWindow {
    DWORD process_id;
    const std::wstring title;
    HWND except;
    HWND found;
};

BOOL CALLBACK match_window(HWND hwnd, LPARAM lparam)
{
    auto& find = *reinterpret_cast<FindWindow*>(lparam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != find.process_id || hwnd == find.except || !IsWindowVisible(hwnd))
        return TRUE;
    wchar_t title[256];
    GetWindowTextW(hwnd, title, 256);
    if (find.title != title)
        return TRUE;
    find.found = hwnd;
    return FALSE;
}

HWND find_top_window(DWORD process_id, const std::wstring& title, HWND except)
{
    FindWindow find{process_id, title, except, nullptr};
    EnumWindows(match_window, reinterpret_cast<LPARAM>(&find));
    return find.found;
}

bool is_absolute(const std::wstring& path)
{
    return path.size() > 1 && (path[1] == L':' || (path[0] == L'\\' && path[1] == L'\\'));
}

} // namespace

Program::Program(const Launch& launch)
{
    const std::wstring path = is_absolute(launch.program) ? launch.program : driver_folder() + launch.program;
    std::wstring command = L"\"" + path + L"\"";
    std::wstring desktop = launch.desktop;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop.empty() ? nullptr : desktop.data();
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        launch.current_directory.empty() ? nullptr : launch.current_directory.c_str(), &startup, &started))
        return;
    process_ = started.hProcess;
    process_id_ = started.dwProcessId;
    thread_id_ = started.dwThreadId;
    channel_ = open_test_channel(process_id_);
    if (launch.prepare && channel_)
        launch.prepare(*channel_);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);

    if (!launch.wait_for_window)
        return;
    eventually([&] { return (main_ = find_top_window(process_id_, L"Glossavo", nullptr)) != nullptr; }, 20000);
    WaitForInputIdle(process_, 5000);
}

Program::~Program()
{
    if (!process_)
        return;
    if (wait_exit(0) == STILL_ACTIVE) {
        if (main_)
            PostMessageW(main_, WM_CLOSE, 0, 0);
        if (wait_exit(5000) == STILL_ACTIVE)
            TerminateProcess(process_, 1);
    }
    CloseHandle(process_);
}

HWND Program::control(const char* name) const
{
    const std::vector<HWND> children = children_bottom_to_top();
    for (std::size_t i = 0; i < 12 && i < children.size(); ++i)
        if (std::string(kControlNames[i]) == name)
            return children[i];
    return nullptr;
}

std::vector<HWND> Program::children_bottom_to_top() const
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(main_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.insert(children.begin(), child);
    return children;
}

TestChannel& Program::channel()
{
    return *channel_;
}

DWORD Program::wait_exit(DWORD milliseconds)
{
    WaitForSingleObject(process_, milliseconds);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_, &code);
    return code;
}

HWND Program::wait_for_window(const char* title, DWORD milliseconds) const
{
    HWND found = nullptr;
    eventually([&] { return (found = find_top_window(process_id_, from_gbk(title), main_)) != nullptr; }, milliseconds);
    return found;
}

HWND Program::focus() const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(thread_id_, &info);
    return info.hwndFocus;
}

void Program::activate() const
{
    eventually([&] {
        if (GetForegroundWindow() == main_)
            return true;
        SetForegroundWindow(main_);
        return false;
    }, 2000);
}

bool Program::tab_to(const char* name) const
{
    activate();
    const HWND target = control(name);
    for (int step = 0; step < 12 && focus() != target; ++step) {  // twice round the six tab stops
        const HWND before = focus();
        press(VK_TAB);
        // A key sent while the window was still coming to the front may be lost: bring it forward again.
        if (!eventually([&] { return focus() != before; }, 1000))
            activate();
    }
    return focus() == target;
}

std::string window_text(HWND hwnd)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 10000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK, 30000, &copied);
    text.resize(copied);
    return to_gbk(text);
}

void set_window_text(HWND hwnd, const std::string& gbk)
{
    SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(from_gbk(gbk).c_str()));
}

std::string class_name(HWND hwnd)
{
    char name[256];
    const int length = GetClassNameA(hwnd, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

RECT window_rect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

RECT rect_in_parent(HWND child)
{
    RECT rect = window_rect(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

namespace {

INPUT key_input(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void send(std::vector<INPUT>& inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace

void press(WORD key, std::initializer_list<WORD> modifiers)
{
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers)
        inputs.push_back(key_input(modifier, false));
    inputs.push_back(key_input(key, false));
    inputs.push_back(key_input(key, true));
    for (auto modifier = std::rbegin(modifiers); modifier != std::rend(modifiers); ++modifier)
        inputs.push_back(key_input(*modifier, true));
    send(inputs);
}

void type_text(const std::wstring& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t c : text)
        for (bool up : {false, true}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
            inputs.push_back(input);
        }
    send(inputs);
}

void click_at(POINT screen)
{
    SetCursorPos(screen.x, screen.y);
    std::vector<INPUT> inputs(2);
    for (INPUT& input : inputs)
        input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    send(inputs);
}

bool eventually(const std::function<bool()>& condition, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(10);
    }
    return true;
}

HFONT label_font(int character_height, int weight)
{
    LOGFONTW font{};
    font.lfHeight = -character_height;
    font.lfWeight = weight;
    font.lfCharSet = GB2312_CHARSET;
    font.lfQuality = PROOF_QUALITY;
    return CreateFontIndirectW(&font);
}

DWORD Capture::at(int x, int y) const
{
    const int width = area.right - area.left;
    return pixels[static_cast<std::size_t>((y - area.top) * width + (x - area.left))];
}

Capture capture_screen(const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    Capture capture{area, std::vector<DWORD>(static_cast<std::size_t>(width * height))};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; i < capture.pixels.size(); ++i)
        capture.pixels[i] = source[i] & 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}
