#include "skin/data/SkinFont.h"

#include <algorithm>

namespace skin {

platform::TFont recordFont(const SkinFontFields& fields)
{
    platform::TFont font;
    font.Name = fields.fontname;
    font.Height = std::clamp(fields.fontheight, -kMaxFontHeight, kMaxFontHeight);
    // The record's style bits are numbered as the platform's.
    font.Style = platform::TFontStyles::fromInt(fields.fontstyle.bits);
    font.Color = fields.fontcolor;
    return font;
}

} // namespace skin
