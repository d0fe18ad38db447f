// Making fonts from font settings.
#include "controls/gdi.hpp"

OwnedFont make_font(const LOGFONTA& setting)
{
    LOGFONTA font = setting;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    return OwnedFont(CreateFontIndirectA(&font));
}

HFONT font_or_default(const OwnedFont& font)
{
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
