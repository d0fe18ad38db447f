// Making fonts from font settings.
#include "controls/gdi.hpp"

#include "system_text/system_text.hpp"

OwnedFont make_font(const LOGFONTA& setting)
{
    LOGFONTA font = setting;
    // The system's default character set as a Chinese (code page 936) system has it, so that the
    // GBK texts find their glyphs on any system.
    font.lfCharSet = GB2312_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return OwnedFont(create_font(font));
}

HFONT font_or_default(const OwnedFont& font)
{
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
