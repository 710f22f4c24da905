#include "platform/Color.h"

#include <array>

namespace platform {

namespace {

// Fixed values for the system colours, those of a common light desktop
// theme, so that default looks are the same on every machine and in tests.
constexpr std::array<TColor, 25> kSystemColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // desktop background
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application work space
    RGB(51, 153, 255),  // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(67, 78, 84),    // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
};

} // namespace

TColor ColorToRGB(TColor color)
{
    if ((color & clSystemColor) != 0) {
        const auto index = static_cast<std::size_t>(color & 0xFF);
        return index < kSystemColors.size() ? kSystemColors[index] : clBlack;
    }
    return color & 0xFFFFFF;
}

} // namespace platform
