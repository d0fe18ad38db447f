// Stands in for the system's Explorer beside a copy of the program: appends its command line and
// current directory, as one UTF-16 line, to explorer-record.txt in its own folder, and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    while (length && path[length - 1] != L'\\')
        --length;
    lstrcpyW(path + length, L"explorer-record.txt");

    wchar_t directory[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, directory);
    wchar_t line[2 * MAX_PATH + 64];
    wsprintfW(line, L"%s|%s\n", GetCommandLineW(), directory);

    const HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
