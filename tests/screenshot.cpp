// Takes a picture of the program's window: starts it, waits until it is drawn, saves its outer
// rectangle as a 24-bit BMP to the path given, and closes it. Exit code 0 when all went well.
#include "tests/driver/driver.hpp"

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    Program program;
    if (!program.main())
        return 1;
    program.activate();
    // Drawn when two captures a moment apart agree.
    const RECT area = window_rect(program.main());
    Capture shot = capture_screen(area);
    eventually([&] {
        Sleep(200);
        Capture again = capture_screen(area);
        const bool settled = again.pixels == shot.pixels;
        shot = std::move(again);
        return settled;
    });

    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, row * static_cast<DWORD>(height), 0, 0, 0, 0};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        std::string line(row, '\0');
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = shot.at(area.left + x, area.top + y);
            line[static_cast<std::size_t>(x * 3)] = static_cast<char>(pixel & 0xFF);
            line[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>((pixel >> 8) & 0xFF);
            line[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        bytes += line;
    }
    const HANDLE out = CreateFileW(argv[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool saved = out != INVALID_HANDLE_VALUE && WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(out);
    PostMessageW(program.main(), WM_CLOSE, 0, 0);
    return saved && program.wait_exit() == 0 ? 0 : 1;
}
