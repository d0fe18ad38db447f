// The program file: one PE32 GUI exe needing no compiler DLL, its icon group, version block and
// manifest, and the 16-colour icon images on the running window.
#include "tests/driver/driver.hpp"

#include <doctest/doctest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colour_count, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::wstring program_path()
{
    return driver_folder() + L"glossavo.exe";
}

std::vector<char> file_bytes(const std::wstring& path)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<char> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return bytes;
}

// The names of the DLLs in a PE32 file's import table.
std::vector<std::string> imported_dlls(const std::vector<char>& bytes, std::size_t pe, const IMAGE_NT_HEADERS32& headers)
{
    const std::size_t sections = pe + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + headers.FileHeader.SizeOfOptionalHeader;
    const auto file_offset = [&](DWORD rva) -> std::size_t {
        for (std::size_t i = 0; i < headers.FileHeader.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER section;
            std::memcpy(&section, &bytes[sections + i * sizeof section], sizeof section);
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize)
                return rva - section.VirtualAddress + section.PointerToRawData;
        }
        return 0;
    };
    std::vector<std::string> names;
    const DWORD imports = headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (std::size_t at = file_offset(imports); at; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR descriptor;
        std::memcpy(&descriptor, &bytes[at], sizeof descriptor);
        if (!descriptor.Name)
            break;
        names.emplace_back(&bytes[file_offset(descriptor.Name)]);
    }
    return names;
}

// The program file loaded for its resources only.
struct ResourceFile {
    HMODULE module = LoadLibraryExW(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ~ResourceFile() { FreeLibrary(module); }

    std::string resource(LPCWSTR name, LPCWSTR type) const
    {
        const HRSRC found = FindResourceW(module, name, type);
        if (!found)
            return {};
        const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
        return std::string(bytes, SizeofResource(module, found));
    }
};

} // namespace

TEST_CASE("the program is one PE32 GUI exe that needs no DLL of the compiler's")
{
    const std::vector<char> bytes = file_bytes(program_path());
    REQUIRE(bytes.size() > 0x200);
    LONG pe = 0;
    std::memcpy(&pe, &bytes[0x3C], sizeof pe);
    IMAGE_NT_HEADERS32 headers;
    std::memcpy(&headers, &bytes[static_cast<std::size_t>(pe)], sizeof headers);
    CHECK(headers.Signature == IMAGE_NT_SIGNATURE);
    CHECK(headers.FileHeader.Machine == IMAGE_FILE_MACHINE_I386);
    CHECK(headers.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC);
    CHECK(headers.OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI);
    const std::vector<std::string> dlls = imported_dlls(bytes, static_cast<std::size_t>(pe), headers);
    CHECK(!dlls.empty());
    for (const std::string& dll : dlls) {
        CAPTURE(dll);
        CHECK(dll.find("libgcc") == std::string::npos);
        CHECK(dll.find("libstdc++") == std::string::npos);
        CHECK(dll.find("libwinpthread") == std::string::npos);
    }
}

TEST_CASE("the icon group DEFAULT_ICON holds the eleven images in order")
{
    struct Image {
        int size, bits, colour_count;
    };
    const Image expected[] = {
        {32, 4, 16}, {16, 4, 16}, {48, 8, 0}, {32, 8, 0}, {16, 8, 0}, {48, 32, 0},
        {40, 32, 0}, {32, 32, 0}, {24, 32, 0}, {20, 32, 0}, {16, 32, 0},
    };
    const ResourceFile file;
    REQUIRE(file.module);
    const std::string group = file.resource(L"DEFAULT_ICON", MAKEINTRESOURCEW(14));
    REQUIRE(group.size() == 6 + 11 * sizeof(GroupEntry));
    WORD count = 0;
    std::memcpy(&count, &group[4], sizeof count);
    REQUIRE(count == 11);
    for (int i = 0; i < 11; ++i) {
        CAPTURE(i);
        GroupEntry entry;
        std::memcpy(&entry, &group[6 + static_cast<std::size_t>(i) * sizeof entry], sizeof entry);
        CHECK(entry.width == expected[i].size);
        CHECK(entry.height == expected[i].size);
        CHECK(entry.bit_count == expected[i].bits);
        CHECK(entry.colour_count == expected[i].colour_count);
        // The image itself agrees with its entry.
        const std::string image = file.resource(MAKEINTRESOURCEW(entry.id), MAKEINTRESOURCEW(3));
        REQUIRE(image.size() == entry.bytes);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image.data(), sizeof header);
        CHECK(header.biWidth == expected[i].size);
        CHECK(header.biHeight == 2 * expected[i].size);
        CHECK(header.biBitCount == expected[i].bits);
    }
}

TEST_CASE("the version block and the manifest")
{
    const std::wstring path = program_path();
    std::vector<char> block(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    REQUIRE(!block.empty());
    REQUIRE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    REQUIRE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    CHECK(fixed->dwFileVersionMS == 0x00010000);
    CHECK(fixed->dwFileVersionLS == 0);
    CHECK(fixed->dwProductVersionMS == 0x00010000);
    CHECK(fixed->dwProductVersionLS == 0);

    WORD* translation = nullptr;
    REQUIRE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    REQUIRE(length == 4);
    CHECK(translation[0] == 0x0804);
    CHECK(translation[1] == 0x04B0);

    wchar_t* product = nullptr;
    REQUIRE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404B0\\ProductName", reinterpret_cast<void**>(&product), &length));
    CHECK(std::wstring(product) == L"Glossavo");

    const ResourceFile file;
    const std::string manifest = file.resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    REQUIRE(!manifest.empty());
    const std::size_t dependency = manifest.find("<dependentAssembly>");
    REQUIRE(dependency != std::string::npos);
    const std::string dependent = manifest.substr(dependency);
    CHECK(dependent.find("name=\"Microsoft.Windows.Common-Controls\"") != std::string::npos);
    CHECK(dependent.find("version=\"6.0.0.0\"") != std::string::npos);
    CHECK(dependent.find("processorArchitecture=\"x86\"") != std::string::npos);
}

TEST_CASE("the title bar shows the 16 x 16 16-colour image")
{
    // The 16-colour images draw the tile in teal; every other image draws it in a blue that no
    // 16-colour palette holds.
    const Program program;
    REQUIRE(program.main());
    program.activate();
    RECT outer = window_rect(program.main());
    RECT client_origin{0, 0, 0, 0};
    MapWindowPoints(program.main(), nullptr, reinterpret_cast<POINT*>(&client_origin), 1);
    const RECT caption{outer.left, outer.top, outer.left + 40, client_origin.top};
    int teal = 0, blue = 0;
    // Wait until the title bar shows an icon, whichever it is.
    eventually([&] {
        teal = blue = 0;
        for (DWORD pixel : capture_screen(caption).pixels) {
            teal += pixel == 0x008080;
            blue += pixel == 0x2F80A8;
        }
        return teal + blue > 50;
    });
    CHECK(teal > 50);
    CHECK(blue == 0);
}
