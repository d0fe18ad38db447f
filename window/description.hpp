// The main window as data: its settings and the table of its twelve controls, in creation order.
// Code reaches a control only through this table, by its name.
#pragma once

#include "controls/control.hpp"
#include "window/actions.hpp"

#include <windows.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <string_view>

struct WindowSettings {
    const char* class_name;
    const char* title;
    int width, height;  // outer size, title bar and frame included
    DWORD style;
};

// A fixed frame with the system menu and a minimise button; the maximise button shows disabled.
inline constexpr WindowSettings kMainWindow{
    "GlossavoMainWindow", "Glossavo", 700, 338, WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
};

// A font setting with a character height in pixels, GB2312's character set and no face name.
constexpr LOGFONTA font_setting(LONG character_height, LONG weight)
{
    return LOGFONTA{-character_height, 0, 0, 0, weight, FALSE, FALSE, FALSE, GB2312_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, {}};
}

inline constexpr LOGFONTA kHeadingFont = font_setting(29, FW_NORMAL);
inline constexpr LOGFONTA kCaptionFont = font_setting(12, FW_BOLD);
inline constexpr LOGFONTA kArticleFont = font_setting(12, FW_NORMAL);

// Each paragraph of the example article is indented by two ideographic spaces.
inline constexpr char kExampleArticle[] =
    "　　桃子核不能吞下去是怎么回事呢？桃子核相信大家都很熟悉，但是桃子核不能吞下去是怎么回事呢，下面就让小编带大家一起了解吧。\r\n"
    "　　桃子核不能吞下去，其实就是桃核太大了，吞下去容易噎着，大家可能会很惊讶桃子核怎么会不能吞下去呢？但事实就是这样，小编也感到非常惊讶。\r\n"
    "　　这就是关于桃子核不能吞下去的事情了，大家有什么想法呢，欢迎在评论区告诉小编一起讨论哦！";
static_assert(sizeof kExampleArticle - 1 == 352, "the example article must be compiled as GBK");

using enum ControlKind;

// Row order is creation order and stacking order: the last row lies on top.
inline constexpr ControlRow kControls[] = {
    // name       kind       left  top  width height tab text                                       font           options
    {"标签1",   label,      8,   8, 296,  40, 0, "Glossavo",                                  &kHeadingFont, kNoOption},
    {"标签2",   label,      8,  48,  88,  24, 0, "主体：",                                    &kCaptionFont, kNoOption},
    {"编辑框1", edit_box,   8,  72, 296,  24, 1, "桃子核",                                    nullptr,       kNoOption},
    {"标签3",   label,      8, 104,  88,  24, 0, "事件：",                                    &kCaptionFont, kNoOption},
    {"编辑框2", edit_box,   8, 128, 296,  24, 2, "不能吞下去",                                nullptr,       kNoOption},
    {"标签4",   label,      8, 160,  88,  24, 0, "解释：",                                    &kCaptionFont, kNoOption},
    {"编辑框3", edit_box,   8, 184, 296,  24, 3, "桃核太大了，吞下去容易噎着",                nullptr,       kNoOption},
    {"按钮1",   button,     8, 216,  56,  32, 4, "生成",                                      nullptr,       kNoOption, generate_article},
    {"编辑框4", edit_box, 320,  48, 368, 144, 5, kExampleArticle,                             &kArticleFont, kMultiLine},
    {"外形框1", separator, -1, 256, 761,   1, 0, nullptr,                                     nullptr,       kNoOption},
    {"按钮3",   button,   624, 224,  64,  24, 6, "网页端",                                    nullptr,       kNoOption, open_web_edition},
    {"标签5",   label,      0, 264, 696,  40, 0, "原作者:Pelorin  本地版作者：Tessaly_Orm",   nullptr,       kCentred},
};
inline constexpr std::size_t kControlCount = std::size(kControls);

// Called only when a name is not in the table: not constexpr, so the lookup fails to compile.
void no_control_of_that_name();

// The row of the control called `name`; a name not in the table does not compile.
consteval std::size_t control_index(std::string_view name)
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (name == kControls[i].name)
            return i;
    no_control_of_that_name();
    return kControlCount;
}

inline constexpr std::size_t kTabStops = 6;

namespace description_checks {

consteval bool names_unique()
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        for (std::size_t j = i + 1; j < kControlCount; ++j)
            if (std::string_view(kControls[i].name) == kControls[j].name)
                return false;
    return true;
}

consteval bool tab_places_once_each()
{
    std::size_t tab_stops = 0;
    for (int place = 1; place <= static_cast<int>(kTabStops); ++place) {
        int found = 0;
        for (const ControlRow& row : kControls)
            found += row.tab == place;
        if (found != 1)
            return false;
    }
    for (const ControlRow& row : kControls)
        tab_stops += row.tab != 0;
    return tab_stops == kTabStops;
}

consteval bool no_overlap()
{
    for (std::size_t i = 0; i < kControlCount; ++i)
        for (std::size_t j = i + 1; j < kControlCount; ++j) {
            const ControlRow& a = kControls[i];
            const ControlRow& b = kControls[j];
            if (a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
                b.top < a.top + a.height)
                return false;
        }
    return true;
}

static_assert(kControlCount == 12);
static_assert(names_unique());
static_assert(tab_places_once_each());
static_assert(no_overlap());

} // namespace description_checks

// The rows that Tab visits, in Tab order.
consteval std::array<std::size_t, kTabStops> tab_order()
{
    std::array<std::size_t, kTabStops> order{};
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (kControls[i].tab)
            order[static_cast<std::size_t>(kControls[i].tab - 1)] = i;
    return order;
}
inline constexpr std::array<std::size_t, kTabStops> kTabOrder = tab_order();
