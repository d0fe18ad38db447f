// The window's icons, chosen from the program's icon group "DEFAULT_ICON".
#pragma once

#include "controls/gdi.hpp"

#include <windows.h>

#include <cstddef>

#pragma pack(push, 2)
// An image's entry in an icon group resource.
struct IconGroupEntry {
    BYTE width;         // 0 for 256
    BYTE height;
    BYTE colour_count;  // as the entry gives it: 0 for images of 256 colours or more
    BYTE reserved;
    WORD planes;
    WORD bit_count;
    DWORD bytes;
    WORD id;            // the image's RT_ICON resource
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

// The first image `width` pixels wide whose entry gives a colour count of at least 16, else the
// last image; null for an empty group.
const IconGroupEntry* choose_icon(const IconGroupEntry* entries, std::size_t count, int width);

struct WindowIcons {
    OwnedIcon large;  // 32 pixels wide
    OwnedIcon small;  // 16 pixels wide
};

// Made from this program's icon group; an icon that cannot be made stays empty.
WindowIcons load_window_icons();
