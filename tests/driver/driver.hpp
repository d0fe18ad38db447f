// Drives the real program from outside, as a user would: starts it, finds its windows, reads their
// texts and styles, sends real keys and clicks, reads screen pixels and the exit code.
// Texts cross as UTF-16 and are converted with code page 936, so the bytes a test sees are GBK
// whatever the system's ANSI code page.
#pragma once

#include "tests/seams/test_channel.hpp"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// The program's control names in creation order, for finding a control among the main window's
// children (the last created lies on top).
extern const char* const kControlNames[12];

// GBK bytes <-> UTF-16.
std::wstring from_gbk(const std::string& bytes);
std::string to_gbk(const std::wstring& text);

// The folder holding the driver, with a trailing backslash; the programs under test lie there too.
std::wstring driver_folder();

struct Launch {
    std::wstring program = L"glossavo.exe";  // relative to the driver's folder, or absolute
    std::wstring current_directory;          // empty: the driver's
    std::wstring desktop;                    // empty: the driver's
    // Called before the program runs its first instruction, with its test channel (test builds).
    std::function<void(TestChannel&)> prepare;
    bool wait_for_window = true;
};

class Program {
public:
    explicit Program(const Launch& launch = {});
    ~Program();  // closes the program if it still runs, and ends it if it will not close
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND main() const { return main_; }
    HWND control(const char* name) const;
    std::vector<HWND> children_bottom_to_top() const;
    DWORD process_id() const { return process_id_; }
    HANDLE process() const { return process_; }
    TestChannel& channel();

    // Exit code, or STILL_ACTIVE when the program has not ended within the time.
    DWORD wait_exit(DWORD milliseconds = 10000);
    // The program's top-level window with this title other than the main window, waiting for it.
    HWND wait_for_window(const char* title, DWORD milliseconds = 10000) const;

    // The focused window of the program's thread.
    HWND focus() const;
    // Brings the main window to the foreground, as a user clicking its title bar would.
    void activate() const;
    // Moves the focus to the control with Tab, as a user would; false when it never gets there.
    bool tab_to(const char* name) const;

private:
    HANDLE process_ = nullptr;
    DWORD process_id_ = 0;
    DWORD thread_id_ = 0;
    HWND main_ = nullptr;
    TestChannel* channel_ = nullptr;
};

// Window texts and classes.
std::string window_text(HWND hwnd);
void set_window_text(HWND hwnd, const std::string& gbk);
std::string class_name(HWND hwnd);
RECT window_rect(HWND hwnd);
// A child's outer rectangle in its parent's client coordinates.
RECT rect_in_parent(HWND child);

// Keyboard and mouse as real input to the foreground window.
void press(WORD key, std::initializer_list<WORD> modifiers = {});
void type_text(const std::wstring& text);
void click_at(POINT screen);

// Waits until `condition` holds, checking every few milliseconds; false when time runs out.
bool eventually(const std::function<bool()>& condition, DWORD milliseconds = 5000);

// A font as the program makes a label's from its setting: a character height, a weight, the
// character set a Chinese system takes by default, no face name. The caller deletes it.
HFONT label_font(int character_height, int weight);

// Pixels of the screen, as 0x00RRGGBB.
struct Capture {
    RECT area;
    std::vector<DWORD> pixels;
    DWORD at(int x, int y) const;  // screen coordinates
};
Capture capture_screen(const RECT& area);
