// The web-edition button, with a stand-in Explorer beside a copy of the program (the program's
// folder is searched first): what is started, from where, and that a failed start is silent.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <string>
#include <vector>

namespace {

// A folder holding a copy of the program and, when given, a file named Explorer.exe.
class WebEditionFolder {
public:
    explicit WebEditionFolder(const std::wstring& program = L"glossavo.exe")
    {
        CreateDirectoryW(path_.c_str(), nullptr);
        DeleteFileW(record().c_str());
        DeleteFileW((path_ + L"Explorer.exe").c_str());
        CopyFileW((driver_folder() + program).c_str(), (path_ + L"glossavo.exe").c_str(), FALSE);
    }
    void explorer_from(const std::wstring& file) const
    {
        CopyFileW((driver_folder() + file).c_str(), (path_ + L"Explorer.exe").c_str(), FALSE);
    }
    void explorer_not_a_program() const
    {
        const HANDLE file = CreateFileW((path_ + L"Explorer.exe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "not a program", 13, &written, nullptr);
        CloseHandle(file);
    }
    std::wstring program() const { return path_ + L"glossavo.exe"; }
    std::wstring record() const { return path_ + L"explorer-record.txt"; }
    std::wstring path() const { return path_; }

    // The lines the stand-in wrote: command line and current directory.
    std::vector<std::wstring> records() const
    {
        std::vector<std::wstring> lines;
        const HANDLE file = CreateFileW(record().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return lines;
        std::wstring text(GetFileSize(file, nullptr) / sizeof(wchar_t), L'\0');
        DWORD read = 0;
        ReadFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
        CloseHandle(file);
        for (std::size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
            lines.push_back(text.substr(start, end - start));
        return lines;
    }

private:
    std::wstring path_ = driver_folder() + L"web-edition\\";
};

std::wstring without_trailing_separator(std::wstring path)
{
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

void click_web_edition(const Program& program)
{
    SendMessageW(program.control("按钮3"), BM_CLICK, 0, 0);
}

} // namespace

TEST_CASE("each click starts \"Explorer <address>\" once, in the program's folder")
{
    const WebEditionFolder folder;
    folder.explorer_from(L"fake_explorer.exe");
    Launch launch;
    launch.program = folder.program();
    launch.current_directory = L"C:\\";  // the program moves into its own folder
    const Program program(launch);
    REQUIRE(program.main());
    const std::string article = window_text(program.control("编辑框4"));

    click_web_edition(program);
    REQUIRE(eventually([&] { return folder.records().size() == 1; }));
    click_web_edition(program);
    REQUIRE(eventually([&] { return folder.records().size() == 2; }));

    for (const std::wstring& record : folder.records()) {
        const std::size_t bar = record.find(L'|');
        CHECK(record.substr(0, bar) == L"Explorer https://glossavo.example.com/");
        CHECK(_wcsicmp(record.substr(bar + 1).c_str(), without_trailing_separator(folder.path()).c_str()) == 0);
    }
    CHECK(window_text(program.control("编辑框4")) == article);
}

TEST_CASE("an Explorer that cannot start is silent, and the button works again")
{
    const WebEditionFolder folder;
    folder.explorer_not_a_program();
    Launch launch;
    launch.program = folder.program();
    Program program(launch);
    REQUIRE(program.main());
    const std::string article = window_text(program.control("编辑框4"));

    click_web_edition(program);
    click_web_edition(program);
    CHECK(program.wait_for_window("错误", 500) == nullptr);
    CHECK(program.wait_exit(0) == STILL_ACTIVE);
    CHECK(window_text(program.control("编辑框4")) == article);
    CHECK(folder.records().empty());

    folder.explorer_from(L"fake_explorer.exe");
    click_web_edition(program);
    CHECK(eventually([&] { return folder.records().size() == 1; }));
}
