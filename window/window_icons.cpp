// Choosing and making the window's icons from the icon group.
#include "window/window_icons.hpp"

namespace {

int image_width(const IconGroupEntry& entry)
{
    return entry.width ? entry.width : 256;
}

OwnedIcon make_icon(const IconGroupEntry* entry)
{
    if (!entry)
        return OwnedIcon();
    const HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(entry->id), RT_ICON);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto bits = loaded ? static_cast<PBYTE>(LockResource(loaded)) : nullptr;
    if (!bits)
        return OwnedIcon();
    const int height = entry->height ? entry->height : 256;
    return OwnedIcon(CreateIconFromResourceEx(bits, SizeofResource(nullptr, found), TRUE, 0x00030000,
                                              image_width(*entry), height, LR_DEFAULTCOLOR));
}

} // namespace

const IconGroupEntry* choose_icon(const IconGroupEntry* entries, std::size_t count, int width)
{
    for (std::size_t i = 0; i < count; ++i)
        if (image_width(entries[i]) == width && entries[i].colour_count >= 16)
            return &entries[i];
    return count ? &entries[count - 1] : nullptr;
}

WindowIcons load_window_icons()
{
    const HRSRC found = FindResourceA(nullptr, "DEFAULT_ICON", RT_GROUP_ICON);
    const HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto header = loaded ? static_cast<const IconGroupHeader*>(LockResource(loaded)) : nullptr;
    if (!header)
        return {};
    const auto entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
    return {make_icon(choose_icon(entries, header->count, 32)), make_icon(choose_icon(entries, header->count, 16))};
}
