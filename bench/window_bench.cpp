// The window benchmarks, from a driver process: start-up and memory against the bare reference
// program, Generate's click-to-output time, Generate of a 1,000,000-byte subject against
// SetWindowTextA of an equal article in the reference, and the size of the program file.
#include "bench/bench.hpp"
#include "tests/driver/driver.hpp"

#include <psapi.h>

#include <string>

namespace {

// A started program, its main window shown and ready for input; closed when it goes.
class Started {
public:
    explicit Started(const std::wstring& program, const std::wstring& arguments = L"")
    {
        std::wstring command = L"\"" + driver_folder() + program + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        start_ = now_microseconds();
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
            return;
        process_ = started.hProcess;
        CloseHandle(started.hThread);
        while (!(main_ = shown_window(started.dwProcessId)))
            Sleep(1);
        WaitForInputIdle(process_, INFINITE);
        ready_ = now_microseconds();
    }
    ~Started()
    {
        if (!process_)
            return;
        PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 10000) != WAIT_OBJECT_0)
            TerminateProcess(process_, 1);
        CloseHandle(process_);
    }
    double start_up() const { return ready_ - start_; }
    HWND main() const { return main_; }
    HWND child(int id) const { return GetDlgItem(main_, id); }
    SIZE_T private_bytes() const
    {
        PROCESS_MEMORY_COUNTERS memory{};
        GetProcessMemoryInfo(process_, &memory, sizeof memory);
        return memory.PagefileUsage;  // Wine reports private bytes only here
    }

private:
    static HWND shown_window(DWORD process_id)
    {
        for (HWND hwnd = GetTopWindow(nullptr); hwnd; hwnd = GetWindow(hwnd, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == process_id && IsWindowVisible(hwnd))
                return hwnd;
        }
        return nullptr;
    }

    HANDLE process_ = nullptr;
    HWND main_ = nullptr;
    double start_ = 0, ready_ = 0;
};

std::string format(const char* pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// The control ids both programs give their controls: the row numbers of the window's table.
constexpr int kSubjectBox = 3, kGenerate = 8, kOutputBox = 9, kWebEdition = 11;

} // namespace

int main()
{
    {
        std::vector<double> ours, reference;
        std::vector<double> our_memory, reference_memory;
        for (int round = 0; round < 25; ++round) {
            {
                const Started program(L"glossavo.exe");
                ours.push_back(program.start_up());
                our_memory.push_back(static_cast<double>(program.private_bytes()));
            }
            {
                const Started program(L"reference_window.exe");
                reference.push_back(program.start_up());
                reference_memory.push_back(static_cast<double>(program.private_bytes()));
            }
        }
        const double ratio = median(ours) / median(reference);
        report("start-up: CreateProcess to window shown and idle", format("%.1f ms", median(ours) / 1000).c_str(),
               format("%.1f ms", median(reference) / 1000).c_str(), format("%.2f", ratio).c_str(), "<= 1.10", ratio <= 1.10);
        const double memory = median(our_memory) / median(reference_memory);
        report("private bytes after start", format("%.0f KB", median(our_memory) / 1024).c_str(),
               format("%.0f KB", median(reference_memory) / 1024).c_str(), format("%.2f", memory).c_str(), "<= 1.10", memory <= 1.10);
    }
    {
        const Started program(L"glossavo.exe");
        const Started reference(L"reference_window.exe");
        const auto [ours, theirs] = alternate(
            300, [&] { SendMessageW(program.child(kGenerate), BM_CLICK, 0, 0); },
            [&] { SendMessageW(reference.child(kWebEdition), BM_CLICK, 0, 0); });
        report("Generate, example phrases: click to output written", format("%.0f us", ours).c_str(),
               format("%.0f us (SetWindowTextA)", theirs).c_str(), format("%.2f", ours / theirs).c_str(), "-", true);
    }
    {
        const Started program(L"glossavo.exe");
        const Started reference(L"reference_window.exe", L"article");
        std::string subject;
        for (int line = 0; line < 20000; ++line)
            subject += std::string(48, static_cast<char>('a' + line % 26)) + "\r\n";
        set_window_text(program.child(kSubjectBox), subject);
        const auto [ours, theirs] = alternate(
            5, [&] { SendMessageW(program.child(kGenerate), BM_CLICK, 0, 0); },
            [&] { SendMessageW(reference.child(kGenerate), BM_CLICK, 0, 0); });
        const bool equal = window_text(program.child(kOutputBox)).size() == window_text(reference.child(kOutputBox)).size();
        const double ratio = ours / theirs;
        report("Generate, 1,000,000-byte subject (6 MB article)", format("%.0f ms", ours / 1000).c_str(),
               format("%.0f ms (SetWindowTextA)", theirs / 1000).c_str(), format("%.2f", ratio).c_str(), "<= 1.10",
               equal && ratio <= 1.10);
    }
    {
        const HANDLE file = CreateFileW((driver_folder() + L"glossavo.exe").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        const double size = GetFileSize(file, nullptr);
        CloseHandle(file);
        report("program file, stripped release build with icon", format("%.1f KiB", size / 1024).c_str(), "-", "-",
               "<= 128 KiB", size <= 128 * 1024);
    }
}
