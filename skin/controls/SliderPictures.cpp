#include "skin/controls/SliderPictures.h"

#include "skin/controls/DefaultLook.h"

#include <functional>

namespace skin::sliderpictures {

using platform::TColor;

namespace {

constexpr TColor kKey = platform::clFuchsia;

// One thumb state drawn along its own axes: u runs across the pointer
// (0..8) and v along it (0..16), the point at v = 16. put(u, v, colour)
// maps those to the bitmap.
void drawThumbState(const std::function<void(int, int, TColor)>& put, bool pressed)
{
    constexpr int kWidth = 9;
    constexpr int kBody = 12; // rows of the straight part
    for (int v = 0; v < 17; ++v) {
        // Below the body the pointer narrows by one pixel per row on each side.
        const int inset = v < kBody ? 0 : v - kBody + 1;
        const int first = inset;
        const int last = kWidth - 1 - inset;
        for (int u = first; u <= last; ++u) {
            TColor c = platform::clBtnFace;
            if (pressed && (u + v) % 2 == 0)
                c = platform::clBtnHighlight;
            if (u == last - 1 && u > first && v > 0)
                c = platform::clBtnShadow;
            if (u == last)
                c = platform::cl3DDkShadow;
            if (u == first || v == 0)
                c = platform::clBtnHighlight;
            put(u, v, c);
        }
    }
}

} // namespace

void drawHThumb(platform::TBitmap& bitmap)
{
    bitmap.SetSize(18, 17);
    fillRect(bitmap.Canvas(), {0, 0, 18, 17}, kKey);
    for (int state = 0; state < 2; ++state)
        drawThumbState([&](int u, int v, TColor c) { bitmap.Canvas().SetPixels(state * 9 + u, v, c); }, state == 1);
}

void drawVThumb(platform::TBitmap& bitmap)
{
    bitmap.SetSize(38, 9);
    fillRect(bitmap.Canvas(), {0, 0, 38, 9}, kKey);
    // The same picture turned to point right. It is 17 columns long in a
    // 19-column state; the two spare columns on the left keep the key colour
    // in the lower-left corner.
    for (int state = 0; state < 2; ++state)
        drawThumbState(
            [&](int u, int v, TColor c) { bitmap.Canvas().SetPixels(state * 19 + 2 + v, u, c); }, state == 1);
}

void drawHRuler(platform::TBitmap& bitmap)
{
    bitmap.SetSize(10, 8);
    platform::TCanvas& c = bitmap.Canvas();
    fillRect(c, {0, 0, 10, 8}, kKey);
    // A sunken groove: shadow and dark lines above, light and highlight below.
    fillRect(c, {0, 2, 10, 3}, platform::clBtnShadow);
    fillRect(c, {1, 3, 9, 4}, platform::cl3DDkShadow);
    fillRect(c, {1, 4, 9, 5}, platform::cl3DLight);
    fillRect(c, {0, 5, 10, 6}, platform::clBtnHighlight);
    fillRect(c, {0, 2, 1, 6}, platform::clBtnShadow);
    fillRect(c, {9, 2, 10, 6}, platform::clBtnHighlight);
}

void drawVRuler(platform::TBitmap& bitmap)
{
    bitmap.SetSize(8, 10);
    platform::TCanvas& c = bitmap.Canvas();
    fillRect(c, {0, 0, 8, 10}, kKey);
    fillRect(c, {2, 0, 3, 10}, platform::clBtnShadow);
    fillRect(c, {3, 1, 4, 9}, platform::cl3DDkShadow);
    fillRect(c, {4, 1, 5, 9}, platform::cl3DLight);
    fillRect(c, {5, 0, 6, 10}, platform::clBtnHighlight);
    fillRect(c, {2, 0, 6, 1}, platform::clBtnShadow);
    fillRect(c, {2, 9, 6, 10}, platform::clBtnHighlight);
}

} // namespace skin::sliderpictures
