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

    // Caption buttons.
    QRgb glyph;
    QRgb glyphHot;
    QRgb glyphInactive;
    QRgb glyphDisabled;
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

    // Buttons.
    QRgb buttonLine;
    QRgb buttonTop;
    QRgb buttonBottom;
    QRgb buttonHotTop;
    QRgb buttonHotBottom;
    QRgb buttonDownTop;
    QRgb buttonDownBottom;
    QRgb buttonText;

    // Tracks: gauges, scroll bars, slider rulers.
    QRgb trackFace;
    QRgb trackLine;

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
