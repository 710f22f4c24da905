#pragma once

#include <QRgb>
#include <QString>

#include <optional>

namespace skingen {

// Every colour the generator paints with. The structure of the pictures is
// the same for every palette; only these colours differ.
struct SkinPalette {
    QString name;
    QString comment;

    // Window frame.
    QRgb frameOuter;      // one-pixel outline of the window
    QRgb frameBody;       // side and bottom bands
    QRgb frameInner;      // line next to the client area
    QRgb titleTop;        // title bar gradient
    QRgb titleBottom;
    QRgb titleHighlight;  // first row under the outline
    QRgb titleActiveTop;  // caption of the active window
    QRgb titleActiveBottom;
    QRgb windowBack;      // client area around the panels
    QRgb accent;
    QRgb accentDark;
    QRgb accentLight;
    QRgb labelHotText;    // a label under the pointer, on panelFace
    // Caption text over the title bar, of an inactive and of the active
    // window, and whether a shadow lifts it off the bar.
    QRgb captionText;
    QRgb captionActiveText;
    bool captionShadow;

    // Caption buttons.
    QRgb glyph;
    QRgb glyphHot;
    QRgb glyphInactive;
    QRgb glyphDisabled;
    QRgb glyphDown;       // on captionDown
    QRgb captionHot;
    QRgb captionDown;
    QRgb closeHot;

    // Panels (group boxes): labels and fields are drawn on panelFace.
    QRgb panelLine;
    QRgb panelHeaderTop;
    QRgb panelHeaderBottom;
    QRgb panelFace;

    // Fields: edits, lists, combo boxes.
    QRgb fieldLine;
    QRgb fieldShade;
    QRgb fieldFace;
    QRgb selectionText;
    QRgb disabledText;    // disabled edits and check boxes

    // Buttons.
    QRgb buttonLine;
    QRgb buttonTop;
    QRgb buttonBottom;
    QRgb buttonHotTop;
    QRgb buttonHotBottom;
    QRgb buttonDownTop;
    QRgb buttonDownBottom;
    QRgb buttonText;
    QRgb buttonDisabledText; // on the normal face

    // Tracks: gauges, scroll bars, slider rulers.
    QRgb trackFace;
    QRgb trackLine;
    // Gauge bars: the horizontal bar blends from light to dark through
    // the middle colour, the vertical one from the middle to dark.
    QRgb barLight;
    QRgb bar;
    QRgb barDark;

    // Flight-mode lamps. With a colour the skin carries a "lamp" record
    // (an edit record: normal text unlit, active text lit); without one the
    // window lights its lamps in pure red on the edit record's face.
    std::optional<QRgb> lampLit;

    // Menus.
    QRgb menuFace;
    QRgb menuLine;
    QRgb menuText;
    QRgb menuActiveText;
    QRgb menuDisabledText;
};

SkinPalette graphitePalette();
SkinPalette daylightPalette();
// By name, ignoring letter case; nothing for an unknown name.
std::optional<SkinPalette> paletteNamed(const QString& name);

} // namespace skingen
