// The looks of the controls, all in the atlas picture.

#include "PixelArt.h"
#include "SkinPictures.h"

namespace skingen {

using namespace layout;

namespace {

TRect inset(const TRect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

enum class Face { Normal, Hot, Down };

void drawButtonFace(PixelArt& art, const SkinPalette& p, const TRect& r, Face face)
{
    switch (face) {
    case Face::Normal: art.raisedBox(r, p.buttonLine, p.buttonTop, p.buttonBottom, p.panelFace); break;
    case Face::Hot:
        art.raisedBox(r, p.buttonLine, p.buttonHotTop, p.buttonHotBottom, p.panelFace);
        // A lit bottom edge marks the button under the pointer.
        art.hline(r.left + 2, r.right - 2, r.bottom - 2, p.accent);
        break;
    case Face::Down:
        art.verticalGradient(inset(r, 1), p.buttonDownTop, p.buttonDownBottom);
        art.hline(r.left + 1, r.right - 1, r.top + 1, mix(p.buttonDownTop, p.buttonLine, 0.4));
        art.roundedFrame(r, p.buttonLine, p.panelFace);
        break;
    }
}

// Flat tool button: invisible until the pointer is over it.
void drawToolFace(PixelArt& art, const SkinPalette& p, const TRect& r, Face face)
{
    art.fill(r, p.panelFace);
    if (face == Face::Hot) {
        art.fill(inset(r, 1), mix(p.panelFace, p.accentLight, 0.6));
        art.roundedFrame(r, p.accent, p.panelFace);
    } else if (face == Face::Down) {
        art.fill(inset(r, 1), p.accentLight);
        art.roundedFrame(r, p.accentDark, p.panelFace);
    }
}

// Sunken field with a three-pixel frame: line, shade, face.
void drawField(PixelArt& art, const SkinPalette& p, const TRect& r, bool hot)
{
    art.fill(r, p.fieldFace);
    const TRect ring = inset(r, 1);
    art.hline(ring.left, ring.right, ring.top, p.fieldShade);
    art.vline(ring.left, ring.top, ring.bottom, p.fieldShade);
    art.frame(r, hot ? p.accent : p.fieldLine);
    if (hot)
        art.frame(ring, mix(p.accent, p.fieldFace, 0.55));
}

void drawSmallButton(PixelArt& art, const SkinPalette& p, const TRect& r, Face face, Arrow arrow)
{
    drawButtonFace(art, p, r, face);
    drawArrow(art, r, arrow, r.width() >= 14 && r.height() >= 14 ? 4 : 3, p.buttonText);
}

void drawButtons(PixelArt& art, const SkinPalette& p)
{
    drawButtonFace(art, p, kButton, Face::Normal);
    drawButtonFace(art, p, kButtonHot, Face::Hot);
    drawButtonFace(art, p, kButtonDown, Face::Down);
    drawButtonFace(art, p, kResizeButton, Face::Normal);
    drawButtonFace(art, p, kResizeButtonHot, Face::Hot);
    drawButtonFace(art, p, kResizeButtonDown, Face::Down);
    drawToolFace(art, p, kToolButton, Face::Normal);
    drawToolFace(art, p, kToolButtonHot, Face::Hot);
    drawToolFace(art, p, kToolButtonDown, Face::Down);
    drawToolFace(art, p, kBigToolButton, Face::Normal);
    drawToolFace(art, p, kBigToolButtonHot, Face::Hot);
    drawToolFace(art, p, kBigToolButtonDown, Face::Down);
}

void drawEdits(PixelArt& art, const SkinPalette& p)
{
    drawField(art, p, kEdit, false);
    drawField(art, p, kEditHot, true);
    for (const TRect& face : {kButtonEdit, kButtonEditHot}) {
        drawField(art, p, face, face.left == kButtonEditHot.left);
        const TRect place{face.left + kEditButtonPlace.left, face.top + kEditButtonPlace.top,
            face.left + kEditButtonPlace.right, face.top + kEditButtonPlace.bottom};
        drawSmallButton(art, p, place, Face::Normal, Arrow::Down);
    }
    drawSmallButton(art, p, kEditButtonHot, Face::Hot, Arrow::Down);
    drawSmallButton(art, p, kEditButtonDown, Face::Down, Arrow::Down);
    art.raisedBox(kEditButtonDisabled, p.fieldShade, p.fieldFace, p.fieldFace, p.panelFace);
    drawArrow(art, kEditButtonDisabled, Arrow::Down, 3, p.fieldShade);

    drawField(art, p, kCombo, false);
    const TRect button{kCombo.left + kComboButtonPlace.left, kCombo.top + kComboButtonPlace.top,
        kCombo.left + kComboButtonPlace.right, kCombo.top + kComboButtonPlace.bottom};
    drawSmallButton(art, p, button, Face::Normal, Arrow::Down);
    drawSmallButton(art, p, kComboButtonHot, Face::Hot, Arrow::Down);
    drawSmallButton(art, p, kComboButtonDown, Face::Down, Arrow::Down);
    art.raisedBox(kComboButtonDisabled, p.fieldShade, p.fieldFace, p.fieldFace, p.panelFace);
    drawArrow(art, kComboButtonDisabled, Arrow::Down, 4, p.fieldShade);
    art.fill(kComboItem, p.fieldFace);
    art.fill(kComboItemFocus, p.accent);
}

void drawGauges(PixelArt& art, const SkinPalette& p)
{
    // Two-pixel frame on the left and top, one on the right and bottom; the
    // bar grows in a dark groove as lit segments.
    for (const auto& [face, area] : {std::pair{kGauge, kGaugeProgressArea}, {kVGauge, kVGaugeProgressArea}}) {
        art.fill(face, p.fieldShade);
        art.frame(face, p.fieldLine);
        art.fill({face.left + area.left, face.top + area.top, face.left + area.right, face.top + area.bottom}, p.trackFace);
    }
    for (int col = 0; col < kGaugeTile.width() - 1; ++col)
        art.verticalGradient({kGaugeTile.left + col, kGaugeTile.top, kGaugeTile.left + col + 1, kGaugeTile.bottom},
            mix(p.bar, p.barLight, 0.35), mix(p.bar, p.barDark, 0.35));
    art.vline(kGaugeTile.right - 1, kGaugeTile.top, kGaugeTile.bottom, p.trackFace);
    art.verticalGradient({kVGaugeTile.left, kVGaugeTile.top + 1, kVGaugeTile.right, kVGaugeTile.bottom}, p.bar, p.barDark);
    art.hline(kVGaugeTile.left, kVGaugeTile.right, kVGaugeTile.top, p.trackFace);
}

// A thumb pointing down (or right): the part outside it is the slider's
// background, and its lower-left pixel is that colour so that it is drawn
// transparently.
void drawPointer(PixelArt& art, const SkinPalette& p, const TRect& r, bool pressed, bool vertical)
{
    art.fill(r, p.panelFace);
    const QRgb top = pressed ? p.accentLight : p.buttonHotTop;
    const QRgb bottom = pressed ? p.accent : p.buttonBottom;
    const int length = vertical ? r.width() : r.height();
    const int across = vertical ? r.height() : r.width();
    const int body = length - across / 2 - 1;
    for (int i = 0; i < length; ++i) {
        const int shrink = i < body ? 0 : i - body + 1;
        const int from = shrink;
        const int to = across - shrink;
        if (from >= to)
            break;
        const QRgb fillColour = mix(top, bottom, double(i) / length);
        for (int j = from; j < to; ++j) {
            const bool edge = j == from || j == to - 1 || i == 0;
            const QRgb c = edge ? p.buttonLine : (j == across / 2 && i > 2 && i < body - 1 ? p.buttonLine : fillColour);
            if (vertical)
                art.pixel(r.left + i, r.top + j, c);
            else
                art.pixel(r.left + j, r.top + i, c);
        }
    }
    art.pixel(r.left, r.bottom - 1, p.panelFace);
}

void drawSliders(PixelArt& art, const SkinPalette& p)
{
    const TRect half{kSliderThumb.left, kSliderThumb.top, kSliderThumb.left + kSliderThumb.width() / 2, kSliderThumb.bottom};
    drawPointer(art, p, half, false, false);
    drawPointer(art, p, {half.right, half.top, kSliderThumb.right, half.bottom}, true, false);
    const TRect vhalf{kSliderVThumb.left, kSliderVThumb.top, kSliderVThumb.right, kSliderVThumb.top + kSliderVThumb.height() / 2};
    drawPointer(art, p, vhalf, false, true);
    drawPointer(art, p, {vhalf.left, vhalf.bottom, vhalf.right, kSliderVThumb.bottom}, true, true);
    // Rulers: a three-pixel groove with rounded ends.
    art.fill(kSliderRuler, p.panelFace);
    art.fill({kSliderRuler.left, kSliderRuler.top + 4, kSliderRuler.right, kSliderRuler.top + 7}, p.trackFace);
    art.hline(kSliderRuler.left + 1, kSliderRuler.right - 1, kSliderRuler.top + 4, p.trackLine);
    art.fill(kSliderVRuler, p.panelFace);
    art.fill({kSliderVRuler.left + 4, kSliderVRuler.top, kSliderVRuler.left + 7, kSliderVRuler.bottom}, p.trackFace);
    art.vline(kSliderVRuler.left + 4, kSliderVRuler.top + 1, kSliderVRuler.bottom - 1, p.trackLine);
    for (const auto& [x, y] : {std::pair{0, 4}, {0, 6}, {9, 4}, {9, 6}})
        art.pixel(kSliderRuler.left + x, kSliderRuler.top + y, p.panelFace);
    for (const auto& [x, y] : {std::pair{4, 0}, {6, 0}, {4, 9}, {6, 9}})
        art.pixel(kSliderVRuler.left + x, kSliderVRuler.top + y, p.panelFace);
}

void drawUpDowns(PixelArt& art, const SkinPalette& p)
{
    const auto place = [](const TRect& face, const TRect& part) {
        return TRect{face.left + part.left, face.top + part.top, face.left + part.right, face.top + part.bottom};
    };
    drawSmallButton(art, p, place(kVUpDown, kVUpDownUp), Face::Normal, Arrow::Up);
    drawSmallButton(art, p, place(kVUpDown, kVUpDownDown), Face::Normal, Arrow::Down);
    drawSmallButton(art, p, kVUpDownUpHot, Face::Hot, Arrow::Up);
    drawSmallButton(art, p, kVUpDownUpDown, Face::Down, Arrow::Up);
    drawSmallButton(art, p, kVUpDownDownHot, Face::Hot, Arrow::Down);
    drawSmallButton(art, p, kVUpDownDownDown, Face::Down, Arrow::Down);
    drawSmallButton(art, p, place(kHUpDown, kHUpDownDown), Face::Normal, Arrow::Left);
    drawSmallButton(art, p, place(kHUpDown, kHUpDownUp), Face::Normal, Arrow::Right);
    drawSmallButton(art, p, kHUpDownUpHot, Face::Hot, Arrow::Right);
    drawSmallButton(art, p, kHUpDownUpDown, Face::Down, Arrow::Right);
    drawSmallButton(art, p, kHUpDownDownHot, Face::Hot, Arrow::Left);
    drawSmallButton(art, p, kHUpDownDownDown, Face::Down, Arrow::Left);
}

void drawCheckMarks(PixelArt& art, const SkinPalette& p)
{
    for (CheckMark mark : {CheckMark::Check, CheckMark::Radio}) {
        for (int state = 0; state < 6; ++state) {
            const TRect r = kCheckImage(mark, state);
            const bool checked = state % 2 == 0;
            const bool hot = state / 2 == 1;
            const bool disabled = state / 2 == 2;
            const QRgb line = disabled ? p.fieldShade : hot ? p.accent : p.fieldLine;
            const QRgb ink = disabled ? p.fieldShade : p.buttonText;
            art.fill(r, p.panelFace);
            art.fill(inset(r, 1), disabled ? p.panelFace : p.fieldFace);
            if (mark == CheckMark::Radio)
                art.roundedFrame(r, line, p.panelFace);
            else
                art.frame(r, line);
            if (!checked)
                continue;
            if (mark == CheckMark::Radio) {
                art.fill({r.left + 4, r.top + 4, r.left + 9, r.top + 9}, ink);
                continue;
            }
            for (int i = 0; i < 2; ++i) {
                for (int s = 0; s < 3; ++s)
                    art.pixel(r.left + 3 + s, r.top + 6 + s - i, ink);
                for (int s = 0; s < 5; ++s)
                    art.pixel(r.left + 5 + s, r.top + 8 - s - i, ink);
            }
        }
    }
    art.fill(kCheckFace, p.panelFace);
    art.fill(kCheckFaceHot, mix(p.panelFace, p.accentLight, 0.5));
}

void drawPanels(PixelArt& art, const SkinPalette& p)
{
    // Group box: a header strip for the caption, a separator, the client.
    const TRect g = kGroupBox;
    art.fill(g, p.panelFace);
    art.verticalGradient({g.left + 1, g.top + 1, g.right - 1, g.top + kGroupBoxClient.top - 1}, p.panelHeaderTop, p.panelHeaderBottom);
    art.hline(g.left + 1, g.right - 1, g.top + kGroupBoxClient.top - 1, mix(p.panelLine, p.panelHeaderBottom, 0.3));
    art.roundedFrame(g, p.panelLine, p.windowBack);

    for (const TRect& r : {kListBox, kCaptionList}) {
        art.fill(r, p.fieldFace);
        art.hline(r.left + 1, r.right - 1, r.top + 1, p.fieldShade);
        art.vline(r.left + 1, r.top + 1, r.bottom - 1, p.fieldShade);
        art.frame(r, p.fieldLine);
    }
    art.verticalGradient({kCaptionList.left + 2, kCaptionList.top + 2, kCaptionList.right - 2, kCaptionList.top + 14},
        p.panelHeaderTop, p.panelHeaderBottom);
    art.fill(kListItem, p.fieldFace);
    art.fill(kListItemHot, p.accentLight);
    art.frame(kListItemHot, p.accent);
    art.fill(kListItemFocus, p.accent);

    art.fill(kPanel, p.panelFace);
    art.frame(kPanel, p.panelLine);
    for (const TRect& r : {kToolPanel, kBigToolPanel}) {
        art.verticalGradient(r, p.panelHeaderTop, p.panelHeaderBottom);
        art.frame(r, p.panelLine);
    }
    art.verticalGradient(kStatusBar, p.panelHeaderTop, p.panelHeaderBottom);
    art.hline(kStatusBar.left, kStatusBar.right, kStatusBar.top, p.panelLine);
}

void drawScrollBars(PixelArt& art, const SkinPalette& p)
{
    const QRgb track = mix(p.fieldFace, p.fieldShade, 0.6);
    // Vertical: the decrease button on top, the increase button at the bottom.
    const TRect v = kVScroll;
    art.fill(v, track);
    art.vline(v.left, v.top + 17, v.top + 51, p.fieldShade);
    art.vline(v.right - 1, v.top + 17, v.top + 51, p.fieldShade);
    drawSmallButton(art, p, {v.left, v.top, v.right, v.top + 17}, Face::Normal, Arrow::Up);
    drawSmallButton(art, p, {v.left, v.top + 51, v.right, v.bottom}, Face::Normal, Arrow::Down);
    drawSmallButton(art, p, kVScrollDecreaseDown, Face::Down, Arrow::Up);
    drawSmallButton(art, p, kVScrollIncreaseDown, Face::Down, Arrow::Down);
    drawButtonFace(art, p, kVThumb, Face::Normal);
    drawButtonFace(art, p, kVThumbDown, Face::Down);
    // Horizontal bars mirror it.
    for (const TRect& h : {kHScroll, kBothHScroll}) {
        art.fill(h, track);
        art.hline(h.left + 17, h.left + 51, h.top, p.fieldShade);
        art.hline(h.left + 17, h.left + 51, h.bottom - 1, p.fieldShade);
        drawSmallButton(art, p, {h.left, h.top, h.left + 17, h.bottom}, Face::Normal, Arrow::Left);
        drawSmallButton(art, p, {h.left + 51, h.top, h.right, h.bottom}, Face::Normal, Arrow::Right);
    }
    drawSmallButton(art, p, kHScrollDecreaseDown, Face::Down, Arrow::Left);
    drawSmallButton(art, p, kHScrollIncreaseDown, Face::Down, Arrow::Right);
    drawButtonFace(art, p, kHThumb, Face::Normal);
    drawButtonFace(art, p, kHThumbDown, Face::Down);
    // Grips: three ridges on the thumb's own colour.
    const QRgb normalFace = mix(p.buttonTop, p.buttonBottom, 0.5);
    const QRgb downFace = mix(p.buttonDownTop, p.buttonDownBottom, 0.5);
    for (const auto& [glyph, face] : {std::pair{kVGlyph, normalFace}, {kVGlyphDown, downFace}}) {
        art.fill(glyph, face);
        for (int row = 1; row < 8; row += 3)
            art.hline(glyph.left + 1, glyph.right - 1, glyph.top + row, p.buttonLine);
    }
    for (const auto& [glyph, face] : {std::pair{kHGlyph, normalFace}, {kHGlyphDown, downFace}}) {
        art.fill(glyph, face);
        for (int col = 1; col < 8; col += 3)
            art.vline(glyph.left + col, glyph.top + 1, glyph.bottom - 1, p.buttonLine);
    }
}

void drawTracksAndTabs(PixelArt& art, const SkinPalette& p)
{
    art.fill(kHTrackBar, p.panelFace);
    art.fill({kHTrackBar.left + kHTrackArea.left, kHTrackBar.top + kHTrackArea.top, kHTrackBar.left + kHTrackArea.right,
                 kHTrackBar.top + kHTrackArea.bottom},
        p.trackFace);
    art.fill(kVTrackBar, p.panelFace);
    art.fill({kVTrackBar.left + kVTrackArea.left, kVTrackBar.top + kVTrackArea.top, kVTrackBar.left + kVTrackArea.right,
                 kVTrackBar.top + kVTrackArea.bottom},
        p.trackFace);
    drawPointer(art, p, kHTrackThumb, false, false);
    drawPointer(art, p, kHTrackThumbHot, true, false);
    drawPointer(art, p, kVTrackThumb, false, true);
    drawPointer(art, p, kVTrackThumbHot, true, true);
    art.fill(kVSplitter, p.panelFace);
    for (int y = kVSplitter.top + 24; y < kVSplitter.top + 41; y += 4)
        art.fill({kVSplitter.left + 1, y, kVSplitter.left + 3, y + 2}, p.panelLine);

    for (const TRect& tab : {kTab, kTabActive, kTabFocus, kTabHot}) {
        const bool selected = tab.left == kTabActive.left || tab.left == kTabFocus.left;
        art.fill(tab, p.windowBack);
        const TRect face{tab.left, tab.top + (selected ? 0 : 2), tab.right, tab.bottom};
        if (selected)
            art.fill(face, p.panelFace);
        else
            art.verticalGradient(face, p.panelHeaderTop, p.panelHeaderBottom);
        art.hline(face.left + 1, face.right - 1, face.top, p.panelLine);
        art.vline(face.left, face.top + 1, face.bottom, p.panelLine);
        art.vline(face.right - 1, face.top + 1, face.bottom, p.panelLine);
        if (selected || tab.left == kTabHot.left)
            art.hline(face.left + 1, face.right - 1, face.top + 1, p.accent);
        if (tab.left == kTabFocus.left)
            art.hline(face.left + 1, face.right - 1, face.top + 2, p.accent);
    }
    art.fill(kTabPage, p.panelFace);
    art.frame(kTabPage, p.panelLine);
    art.fill(kTabsBack, p.windowBack);
    art.verticalGradient(kGridFixedCell, p.panelHeaderTop, p.panelHeaderBottom);
    art.vline(kGridFixedCell.right - 1, kGridFixedCell.top, kGridFixedCell.bottom, p.panelLine);
    art.hline(kGridFixedCell.left, kGridFixedCell.right, kGridFixedCell.bottom - 1, p.panelLine);
    art.fill(kGridSelectCell, p.accentLight);
    art.fill(kGridFocusCell, p.accent);
    art.verticalGradient(kMenuBar, p.panelHeaderTop, p.panelHeaderBottom);
    art.hline(kMenuBar.left, kMenuBar.right, kMenuBar.bottom - 1, p.panelLine);
    art.verticalGradient(kControlBarBand, p.panelHeaderTop, p.panelHeaderBottom);
    art.vline(kControlBarBand.left + 2, kControlBarBand.top + 3, kControlBarBand.bottom - 3, p.panelLine);
    art.verticalGradient(kExPanelRollH, p.panelHeaderTop, p.panelHeaderBottom);
    art.frame(kExPanelRollH, p.panelLine);
    art.verticalGradient(kExPanelRollV, p.panelHeaderTop, p.panelHeaderBottom);
    art.frame(kExPanelRollV, p.panelLine);
    const Arrow arrows[] = {Arrow::Down, Arrow::Left, Arrow::Right, Arrow::Up, Arrow::Down};
    for (int row = 0; row < 5; ++row) {
        for (int state = 0; state < 3; ++state) {
            const TRect r = kExPanelButton(row, state);
            drawToolFace(art, p, r, static_cast<Face>(state));
            if (row == 0) {
                for (int i = 3; i < 10; ++i) {
                    art.pixel(r.left + i, r.top + i, p.buttonText);
                    art.pixel(r.left + 12 - i, r.top + i, p.buttonText);
                }
            } else {
                drawArrow(art, r, arrows[row], 3, p.buttonText);
            }
        }
    }
}

} // namespace

void drawControlPictures(const SkinPalette& p, QImage& atlas)
{
    PixelArt art(atlas);
    drawButtons(art, p);
    drawEdits(art, p);
    drawGauges(art, p);
    drawSliders(art, p);
    drawUpDowns(art, p);
    drawCheckMarks(art, p);
    drawPanels(art, p);
    drawScrollBars(art, p);
    drawTracksAndTabs(art, p);
}

} // namespace skingen
