// The window frame, its mask, the caption buttons and the menu, popup and
// hint window pictures.

#include "PixelArt.h"
#include "SkinPictures.h"

namespace skingen {

using namespace layout;

namespace {

constexpr int kTitleBottom = 23; // the row between title bar and client area

QImage blank(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

// A small quadcopter seen from above: the program's own mark.
void drawEmblem(PixelArt& art, int x, int y, QRgb arms, QRgb rotors)
{
    for (int i = 3; i <= 10; ++i) {
        art.pixel(x + i, y + i, arms);
        art.pixel(x + 13 - i, y + i, arms);
    }
    const auto rotor = [&](int cx, int cy) {
        art.hline(cx - 1, cx + 2, cy - 2, rotors);
        art.hline(cx - 1, cx + 2, cy + 2, rotors);
        art.vline(cx - 2, cy - 1, cy + 2, rotors);
        art.vline(cx + 2, cy - 1, cy + 2, rotors);
    };
    rotor(x + 3, y + 3);
    rotor(x + 10, y + 3);
    rotor(x + 3, y + 10);
    rotor(x + 10, y + 10);
    art.fill({x + 6, y + 6, x + 8, y + 8}, rotors);
}

void drawGlyph(PixelArt& art, CaptionGlyph glyph, int x, int y, QRgb c)
{
    switch (glyph) {
    case CaptionGlyph::Close:
        for (int i = 0; i < 8; ++i) {
            art.fill({x + 3 + i, y + 3 + i, x + 5 + i, y + 4 + i}, c);
            art.fill({x + 9 - i, y + 3 + i, x + 11 - i, y + 4 + i}, c);
        }
        break;
    case CaptionGlyph::Minimize: art.fill({x + 3, y + 9, x + 11, y + 11}, c); break;
    case CaptionGlyph::Maximize:
        art.frame({x + 3, y + 3, x + 11, y + 11}, c);
        art.hline(x + 3, x + 11, y + 4, c);
        break;
    case CaptionGlyph::RollUp: drawArrow(art, {x, y, x + 14, y + 14}, Arrow::Up, 4, c); break;
    case CaptionGlyph::RollDown: drawArrow(art, {x, y, x + 14, y + 14}, Arrow::Down, 4, c); break;
    case CaptionGlyph::SysMenu: drawEmblem(art, x, y, c, c); break;
    case CaptionGlyph::Restore:
        // A window behind another: the back one's outline shows above and
        // right of the front one.
        art.hline(x + 5, x + 11, y + 3, c);
        art.hline(x + 5, x + 11, y + 4, c);
        art.vline(x + 10, y + 3, y + 9, c);
        art.hline(x + 9, x + 11, y + 8, c);
        art.frame({x + 3, y + 6, x + 9, y + 11}, c);
        art.hline(x + 3, x + 9, y + 7, c);
        break;
    case CaptionGlyph::Help:
        // A question mark two pixels thick.
        art.hline(x + 5, x + 9, y + 3, c);
        art.fill({x + 4, y + 4, x + 6, y + 5}, c);
        art.fill({x + 8, y + 4, x + 10, y + 6}, c);
        art.fill({x + 7, y + 6, x + 9, y + 7}, c);
        art.fill({x + 6, y + 7, x + 8, y + 9}, c);
        art.fill({x + 6, y + 10, x + 8, y + 12}, c);
        break;
    }
}

void drawCaptionButton(PixelArt& art, const SkinPalette& p, CaptionGlyph glyph, CaptionState state, const TRect& r)
{
    // The button lies on the title bar at rows 5 to 18 of the frame.
    for (int row = 0; row < 14; ++row)
        art.hline(r.left, r.right, r.top + row, titleRow(p, kButtonsRect.top + row, false));
    QRgb ink = p.glyph;
    switch (state) {
    case CaptionState::Normal: break;
    case CaptionState::Hot:
        art.fill({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, glyph == CaptionGlyph::Close ? p.closeHot : p.captionHot);
        art.roundedFrame(r, glyph == CaptionGlyph::Close ? p.closeHot : p.captionHot, titleRow(p, kButtonsRect.top, false));
        ink = p.glyphHot;
        break;
    case CaptionState::Down:
        art.fill({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, p.captionDown);
        art.roundedFrame(r, p.frameOuter, titleRow(p, kButtonsRect.top, false));
        ink = p.glyphDown;
        break;
    case CaptionState::Inactive: ink = p.glyphInactive; break;
    case CaptionState::Disabled: ink = p.glyphDisabled; break;
    }
    if (glyph == CaptionGlyph::SysMenu)
        drawEmblem(art, r.left, r.top, ink, state == CaptionState::Normal ? p.accent : ink);
    else
        drawGlyph(art, glyph, r.left, r.top, ink);
}

namespace {

void drawMainPicture(const SkinPalette& p, QImage& image)
{
    image = blank(kMainWidth, kMainHeight, p.frameBody);
    PixelArt art(image);
    const int w = kMainWidth;
    const int h = kMainHeight;
    for (int y = 1; y <= kTitleBottom; ++y)
        art.hline(1, w - 1, y, titleRow(p, y, false));
    // Side and bottom bands: a lighter outer column, the body, a dark line
    // against the client area.
    art.vline(1, kTitleBottom, h - 1, mix(p.frameBody, p.titleHighlight, 0.5));
    art.vline(w - 2, kTitleBottom, h - 1, mix(p.frameBody, p.frameOuter, 0.4));
    art.hline(1, w - 1, h - 2, mix(p.frameBody, p.frameOuter, 0.4));
    art.frame({kClientRect.left - 1, kClientRect.top - 1, kClientRect.right + 1, kClientRect.bottom + 1}, p.frameInner);
    art.fill(kClientRect, p.windowBack);
    art.frame({0, 0, w, h}, p.frameOuter);
    // Rounded top corners; the mask cuts away what lies outside them.
    for (int x : {1, 2})
        art.pixel(x, 1, p.frameOuter), art.pixel(w - 1 - x, 1, p.frameOuter);
    art.pixel(1, 2, p.frameOuter);
    art.pixel(w - 2, 2, p.frameOuter);
    art.pixel(1, h - 2, p.frameOuter);
    art.pixel(w - 2, h - 2, p.frameOuter);
    drawEmblem(art, kSysMenuButton.left, kSysMenuButton.top, p.glyph, p.accent);
}

void drawMask(QImage& mask)
{
    mask = blank(kMainWidth, kMainHeight, qRgb(0, 0, 0));
    PixelArt art(mask);
    const QRgb outside = qRgb(255, 255, 255);
    const int w = kMainWidth;
    const int h = kMainHeight;
    for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 2}}) {
        art.pixel(x, y, outside);
        art.pixel(w - 1 - x, y, outside);
    }
    art.pixel(0, h - 1, outside);
    art.pixel(w - 1, h - 1, outside);
}

} // namespace

void drawCaptionActive(PixelArt& art, const SkinPalette& p, const TRect& r, const TRect& caption, int leftTopX, int rightTopX)
{
    const int fadeIn = leftTopX - caption.left;
    const int fadeOut = caption.right - rightTopX;
    const int width = r.width();
    for (int col = 0; col < width; ++col) {
        double lit = 1.0;
        if (col < fadeIn)
            lit = double(col) / fadeIn;
        else if (col >= width - fadeOut)
            lit = double(width - 1 - col) / fadeOut;
        for (int row = 0; row < r.height(); ++row) {
            const int y = caption.top + row;
            QRgb c = mix(titleRow(p, y, false), titleRow(p, y, true), lit);
            if (row == r.height() - 1)
                c = mix(c, p.accent, lit);
            art.pixel(r.left + col, r.top + row, c);
        }
    }
}

namespace {

void drawMenuPicture(const SkinPalette& p, QImage& image)
{
    image = blank(kPictureSizes[kMenuPicture].width, kPictureSizes[kMenuPicture].height, p.menuFace);
    PixelArt art(image);
    art.fill(kMenuItemActive, p.menuFace);
    art.fill({kMenuItemActive.left + 2, kMenuItemActive.top + 1, kMenuItemActive.right - 2, kMenuItemActive.bottom - 1}, p.accent);
    art.roundedFrame({kMenuItemActive.left + 2, kMenuItemActive.top + 1, kMenuItemActive.right - 2, kMenuItemActive.bottom - 1},
        p.accentDark, p.menuFace);
    art.hline(kMenuDivider.left + 4, kMenuDivider.right - 4, kMenuDivider.top + 2, mix(p.menuFace, p.menuText, 0.45));
    // Menu bar items lie on a panel header.
    art.verticalGradient(kBarItem, p.panelHeaderTop, p.panelHeaderBottom);
    art.verticalGradient(kBarItemActive, p.panelHeaderTop, p.panelHeaderBottom);
    art.roundedFrame({kBarItemActive.left + 1, kBarItemActive.top + 1, kBarItemActive.right - 1, kBarItemActive.bottom - 1},
        p.accent, p.panelHeaderTop);
    art.fill(kBarItemDown, p.accent);
    art.frame(kBarItemDown, p.accentDark);
    const CaptionGlyph glyphs[] = {CaptionGlyph::SysMenu, CaptionGlyph::Close, CaptionGlyph::Maximize, CaptionGlyph::Minimize};
    for (int i = 0; i < 4; ++i) {
        for (bool hot : {false, true}) {
            const TRect r = kBarButton(i, hot);
            art.verticalGradient(r, p.panelHeaderTop, p.panelHeaderBottom);
            if (hot)
                art.roundedFrame(r, p.accent, p.panelHeaderTop);
            drawGlyph(art, glyphs[i], r.left, r.top, p.buttonText);
        }
    }
    // The rest of the picture is never shown.
    art.fill({0, 45, 180, 53}, p.menuFace);
}

void drawPopupPicture(const SkinPalette& p, QImage& image)
{
    image = blank(kPictureSizes[kPopupPicture].width, kPictureSizes[kPopupPicture].height, p.menuFace);
    PixelArt art(image);
    art.frame({0, 0, image.width(), image.height()}, p.menuLine);
    art.frame({1, 1, image.width() - 1, image.height() - 1}, mix(p.menuLine, p.menuFace, 0.35));
}

void drawHintPicture(const SkinPalette& p, QImage& image)
{
    image = blank(kPictureSizes[kHintPicture].width, kPictureSizes[kHintPicture].height, mix(p.accentLight, qRgb(255, 255, 255), 0.6));
    PixelArt art(image);
    art.frame({0, 0, image.width(), image.height()}, p.frameOuter);
    art.frame({1, 1, image.width() - 1, image.height() - 1}, p.accent);
}

void drawSplitterPicture(const SkinPalette& p, QImage& image)
{
    image = blank(kPictureSizes[kSplitterPicture].width, kPictureSizes[kSplitterPicture].height, p.panelFace);
    PixelArt art(image);
    for (int x = 24; x < 41; x += 4)
        art.fill({x, 1, x + 2, 3}, p.panelLine);
}

} // namespace

QRgb titleRow(const SkinPalette& p, int y, bool active)
{
    if (y <= 0)
        return p.frameOuter;
    if (y == 1)
        return p.titleHighlight;
    if (y >= kTitleBottom)
        return p.frameInner;
    const double t = double(y - 2) / (kTitleBottom - 3);
    return active ? mix(p.titleActiveTop, p.titleActiveBottom, t) : mix(p.titleTop, p.titleBottom, t);
}

void drawFramePictures(const SkinPalette& p, SkinPictures& pictures)
{
    drawMainPicture(p, pictures.main);
    drawMask(pictures.mask);
    drawMenuPicture(p, pictures.active[kMenuPicture]);
    drawPopupPicture(p, pictures.active[kPopupPicture]);
    drawHintPicture(p, pictures.active[kHintPicture]);
    drawSplitterPicture(p, pictures.active[kSplitterPicture]);

    QImage& atlas = pictures.active[kAtlasPicture];
    PixelArt art(atlas);
    for (CaptionGlyph glyph : {CaptionGlyph::Close, CaptionGlyph::Minimize, CaptionGlyph::Maximize, CaptionGlyph::RollUp,
             CaptionGlyph::RollDown, CaptionGlyph::SysMenu})
        for (CaptionState state : {CaptionState::Normal, CaptionState::Hot, CaptionState::Down, CaptionState::Inactive})
            drawCaptionButton(art, p, glyph, state, kCaptionButton(glyph, state));
    drawCaptionActive(art, p, kCaptionActive, kCaptionRect, kFrameLeftTop.x, kFrameRightTop.x);
    // The disabled system-menu button: the mark greyed on the title bar,
    // one pixel smaller each way than the button it stands for.
    const TRect off = kSysMenuDisabled;
    for (int row = 0; row < off.height(); ++row)
        art.hline(off.left, off.right, off.top + row, titleRow(p, kSysMenuButton.top + row, false));
    drawEmblem(art, off.left - 1, off.top - 1, p.glyphDisabled, p.glyphDisabled);
}

SkinPictures drawSkinPictures(const SkinPalette& palette)
{
    SkinPictures pictures;
    pictures.active.resize(kPictureCount);
    const PictureSize atlas = kPictureSizes[kAtlasPicture];
    pictures.active[kAtlasPicture] = blank(atlas.width, atlas.height, palette.windowBack);
    drawFramePictures(palette, pictures);
    drawControlPictures(palette, pictures.active[kAtlasPicture]);
    return pictures;
}

} // namespace skingen
