// The feature skin's pictures: what the program skin draws, plus the
// images of every frame feature, and the popup and hint windows with
// rounded corners cut by their masks.

#include "FeatureLayout.h"
#include "PixelArt.h"
#include "SkinPictures.h"

namespace skingen {

using namespace layout;
using namespace features;

namespace {

constexpr QRgb kInside = qRgb(0, 0, 0);
constexpr QRgb kOutside = qRgb(255, 255, 255);

// The pixels a rounded corner of the given radius leaves out of the top-
// left corner, as (x, y) offsets; the other corners mirror them.
QList<QPoint> cornerCut(int radius)
{
    if (radius == 2)
        return {{0, 0}, {1, 0}, {0, 1}};
    return {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}};
}

// Calls at(x, y) for the cut pixels of all four corners of a w x h picture.
template<typename At>
void forEachCornerPixel(int w, int h, int radius, At&& at)
{
    for (const QPoint& p : cornerCut(radius)) {
        at(p.x(), p.y());
        at(w - 1 - p.x(), p.y());
        at(p.x(), h - 1 - p.y());
        at(w - 1 - p.x(), h - 1 - p.y());
    }
}

// A window mask: black inside, the corners of the given radius white.
QImage roundedMask(QSize size, int radius)
{
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(kInside);
    PixelArt art(mask);
    forEachCornerPixel(size.width(), size.height(), radius, [&](int x, int y) { art.pixel(x, y, kOutside); });
    return mask;
}

// Rounds an outline drawn along the picture's edges: the pixel diagonal to
// each cut corner (and its neighbours for the larger radius) takes the
// outline colour, so the line bends round the cut.
void roundOutline(QImage& image, int radius, QRgb line)
{
    PixelArt art(image);
    const int w = image.width();
    const int h = image.height();
    const QList<QPoint> bend = radius == 2 ? QList<QPoint>{{1, 1}} : QList<QPoint>{{1, 1}, {2, 1}, {1, 2}};
    for (const QPoint& p : bend) {
        art.pixel(p.x(), p.y(), line);
        art.pixel(w - 1 - p.x(), p.y(), line);
        art.pixel(p.x(), h - 1 - p.y(), line);
        art.pixel(w - 1 - p.x(), h - 1 - p.y(), line);
    }
}

// A well in the title bar where the window paints its own lamp.
void drawUserObjectPlace(PixelArt& art, const SkinPalette& p)
{
    const TRect r = kUserObjectPlace;
    art.fill(r, mix(p.titleBottom, p.frameOuter, 0.5));
    art.roundedFrame(r, p.frameOuter, titleRow(p, r.top, false));
    art.pixel(r.left, r.bottom - 1, titleRow(p, r.bottom - 1, false));
    art.pixel(r.right - 1, r.bottom - 1, titleRow(p, r.bottom - 1, false));
}

void drawRollUpFrames(PixelArt& art, const SkinPalette& p)
{
    const int last = kRollUpFrames - 1;
    for (int k = 0; k < kRollUpFrames; ++k) {
        const double lit = double(k) / last;
        const TRect r = box(kRollUpStrip.left + k * 14, kRollUpStrip.top, 14, 14);
        // The button row lies at the rows of buttonsrect on the frame.
        for (int row = 0; row < 14; ++row)
            art.hline(r.left, r.right, r.top + row, mix(titleRow(p, kButtonsRect.top + row, false), p.captionHot, lit));
        if (k > 0)
            art.roundedFrame(r, mix(titleRow(p, kButtonsRect.top, false), p.captionHot, lit),
                titleRow(p, kButtonsRect.top, false));
        const int lift = k / 2;
        drawArrow(art, {r.left, r.top - lift, r.right, r.bottom - lift}, Arrow::Up, 4, mix(p.glyph, p.glyphHot, lit));
    }
}

// A line from (x0, y0) to (x1, y1), both ends drawn, stepping one pixel at
// a time along the longer axis.
void line(PixelArt& art, int x0, int y0, int x1, int y1, QRgb colour)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        art.pixel(x0, y0, colour);
        if (x0 == x1 && y0 == y1)
            return;
        const int twice = 2 * error;
        if (twice >= dy)
            error += dy, x0 += sx;
        if (twice <= dx)
            error += dx, y0 += sy;
    }
}

void drawBusyFrames(PixelArt& art, const SkinPalette& p)
{
    // Blade directions a sixteenth of a turn apart, in whole pixels so that
    // every machine draws the same frames.
    const QPoint blades[kBusyFrames] = {{5, 0}, {5, 2}, {4, 4}, {2, 5}, {0, 5}, {-2, 5}, {-4, 4}, {-5, 2}};
    const QRgb guard = mix(titleRow(p, kButtonsRect.top + 7, false), p.glyph, 0.35);
    for (int f = 0; f < kBusyFrames; ++f) {
        const TRect r = box(kBusyStrip.left + f * 14, kBusyStrip.top, 14, 14);
        for (int row = 0; row < 14; ++row)
            art.hline(r.left, r.right, r.top + row, titleRow(p, kButtonsRect.top + row, false));
        const int cx = r.left + 7;
        const int cy = r.top + 7;
        // The rotor guard: a ring of radius 6 around the hub.
        for (const auto& [x, y] : {std::pair{-2, -6}, {-1, -6}, {0, -6}, {1, -6}, {2, -6}, {3, -5}, {4, -5}, {5, -4},
                 {5, -3}, {6, -2}, {6, -1}, {6, 0}, {6, 1}, {6, 2}})
            for (const auto& [mx, my] : {std::pair{1, 1}, {-1, 1}, {1, -1}, {-1, -1}})
                if (cx + x * mx < r.right && cy + y * my < r.bottom)
                    art.pixel(cx + x * mx, cy + y * my, guard);
        const QPoint b = blades[f];
        line(art, cx - b.x(), cy - b.y(), cx + b.x(), cy + b.y(), p.accent);
        art.fill({cx - 1, cy - 1, cx + 2, cy + 2}, p.glyph);
    }
}

// The plate behind the caption text: a rounded recess across the band,
// its first and last row the band behind it.
void drawPlate(PixelArt& art, const SkinPalette& p, const TRect& r, bool active)
{
    // The active caption ends in an accent line that runs under the plate.
    const auto behind = [&](int y) {
        return active && y == r.bottom - 1 ? p.accent : titleRow(p, kFeatureCaption.top + y - r.top, active);
    };
    for (int y = r.top; y < r.bottom; ++y)
        art.hline(r.left, r.right, y, behind(y));
    const TRect plate{r.left, r.top + 1, r.right, r.bottom - 1};
    const QRgb face = active ? mix(p.titleActiveBottom, p.frameOuter, 0.35) : mix(p.titleBottom, p.frameOuter, 0.45);
    art.fill(plate, face);
    art.hline(plate.left + 2, plate.right - 2, plate.top + 1, mix(face, p.frameOuter, 0.5));
    const QRgb edge = active ? p.accentDark : p.frameOuter;
    art.frame(plate, edge);
    // Round ends: two pixels cut at each corner, the line bent inside.
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
        for (const auto& [mirrorX, mirrorY] : {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
            const int px = mirrorX ? plate.right - 1 - x : plate.left + x;
            const int py = mirrorY ? plate.bottom - 1 - y : plate.top + y;
            art.pixel(px, py, behind(py));
        }
    }
    for (const auto& [px, py] : {std::pair{plate.left + 1, plate.top + 1}, {plate.right - 2, plate.top + 1},
             {plate.left + 1, plate.bottom - 2}, {plate.right - 2, plate.bottom - 2}})
        art.pixel(px, py, edge);
}

QImage drawFeatureImages(const SkinPalette& p)
{
    QImage image(kFeaturePictureSize.width, kFeaturePictureSize.height, QImage::Format_RGB32);
    image.fill(p.windowBack);
    PixelArt art(image);
    for (int row = 0; row < int(std::size(kButtonGlyphs)); ++row)
        for (CaptionState state : {CaptionState::Normal, CaptionState::Hot, CaptionState::Down, CaptionState::Inactive,
                 CaptionState::Disabled})
            drawCaptionButton(art, p, kButtonGlyphs[row], state, kFeatureButton(row, state));
    drawCaptionButton(art, p, CaptionGlyph::Help, CaptionState::Hot, kPlainButtonHot);
    drawCaptionButton(art, p, CaptionGlyph::Help, CaptionState::Down, kPlainButtonDown);
    drawCaptionButton(art, p, CaptionGlyph::Help, CaptionState::Disabled, kPlainButtonDisabled);
    drawRollUpFrames(art, p);
    drawBusyFrames(art, p);
    drawCaptionActive(art, p, kFeatureCaptionActive, kFeatureCaption, kFeatureLeftTop.x, kFrameRightTop.x);
    drawPlate(art, p, kPlate, false);
    drawPlate(art, p, kPlateActive, true);
    return image;
}

} // namespace

SkinPictures drawFeaturePictures(const SkinPalette& p)
{
    SkinPictures pictures = drawSkinPictures(p);

    PixelArt main(pictures.main);
    drawCaptionButton(main, p, CaptionGlyph::Help, CaptionState::Normal, kPlainButtonPlace);
    drawUserObjectPlace(main, p);

    // Popup windows have a two-pixel border, so their corners are cut by
    // two pixels; hint windows by three.
    QImage& popup = pictures.active[kPopupPicture];
    roundOutline(popup, 2, p.menuLine);
    QImage& hint = pictures.active[kHintPicture];
    roundOutline(hint, 3, p.frameOuter);
    PixelArt hintArt(hint);
    const int w = hint.width();
    const int h = hint.height();
    for (const auto& [x, y] : {std::pair{2, 2}, {w - 3, 2}, {2, h - 3}, {w - 3, h - 3}})
        hintArt.pixel(x, y, p.accent);

    QImage popupMask = roundedMask(popup.size(), 2);
    QImage hintMask = roundedMask(hint.size(), 3);
    pictures.active.resize(kFeaturePictureCount);
    pictures.active[kFeaturePicture] = drawFeatureImages(p);
    pictures.active[kPopupMaskPicture] = std::move(popupMask);
    pictures.active[kHintMaskPicture] = std::move(hintMask);
    return pictures;
}

} // namespace skingen
