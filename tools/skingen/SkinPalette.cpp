#include "SkinPalette.h"

namespace skingen {

SkinPalette graphitePalette()
{
    SkinPalette p;
    p.name = QStringLiteral("Graphite");
    p.comment = QStringLiteral("Calm dark frame, light panels, one amber accent");
    p.frameOuter = qRgb(16, 18, 21);
    p.frameBody = qRgb(44, 49, 56);
    p.frameInner = qRgb(26, 29, 34);
    p.titleTop = qRgb(56, 62, 71);
    p.titleBottom = qRgb(40, 45, 52);
    p.titleHighlight = qRgb(80, 88, 99);
    p.titleActiveTop = qRgb(66, 73, 84);
    p.titleActiveBottom = qRgb(46, 52, 60);
    p.windowBack = qRgb(58, 64, 72);
    p.accent = qRgb(236, 164, 58);
    p.accentDark = qRgb(176, 112, 24);
    p.accentLight = qRgb(252, 214, 150);

    p.glyph = qRgb(196, 203, 212);
    p.glyphHot = qRgb(255, 255, 255);
    p.glyphInactive = qRgb(120, 128, 139);
    p.glyphDisabled = qRgb(92, 99, 108);
    p.captionHot = qRgb(78, 86, 98);
    p.captionDown = qRgb(28, 31, 36);
    p.closeHot = qRgb(196, 60, 52);

    p.panelLine = qRgb(30, 34, 39);
    p.panelHeaderTop = qRgb(214, 220, 227);
    p.panelHeaderBottom = qRgb(190, 198, 208);
    p.panelFace = qRgb(231, 234, 238);

    p.fieldLine = qRgb(96, 105, 116);
    p.fieldShade = qRgb(206, 211, 217);
    p.fieldFace = qRgb(255, 255, 255);
    p.selectionText = qRgb(0, 0, 0);

    p.buttonLine = qRgb(40, 45, 52);
    p.buttonTop = qRgb(190, 199, 209);
    p.buttonBottom = qRgb(158, 169, 182);
    p.buttonHotTop = qRgb(214, 221, 229);
    p.buttonHotBottom = qRgb(180, 190, 202);
    p.buttonDownTop = qRgb(140, 151, 164);
    p.buttonDownBottom = qRgb(168, 178, 190);
    p.buttonText = qRgb(0, 0, 0);

    p.trackFace = qRgb(46, 51, 58);
    p.trackLine = qRgb(24, 27, 31);

    p.menuFace = qRgb(48, 53, 61);
    p.menuLine = qRgb(16, 18, 21);
    p.menuText = qRgb(228, 232, 237);
    p.menuActiveText = qRgb(0, 0, 0);
    p.menuDisabledText = qRgb(128, 136, 147);
    return p;
}

SkinPalette daylightPalette()
{
    SkinPalette p;
    p.name = QStringLiteral("Daylight");
    p.comment = QStringLiteral("High contrast for bright light: black lines, white faces, deep blue accent");
    p.frameOuter = qRgb(0, 0, 0);
    p.frameBody = qRgb(0, 0, 0);
    p.frameInner = qRgb(0, 0, 0);
    p.titleTop = qRgb(24, 24, 28);
    p.titleBottom = qRgb(0, 0, 0);
    p.titleHighlight = qRgb(64, 64, 72);
    p.titleActiveTop = qRgb(0, 52, 150);
    p.titleActiveBottom = qRgb(0, 30, 100);
    p.windowBack = qRgb(0, 0, 0);
    p.accent = qRgb(0, 84, 214);
    p.accentDark = qRgb(0, 40, 120);
    p.accentLight = qRgb(200, 222, 255);

    p.glyph = qRgb(255, 255, 255);
    p.glyphHot = qRgb(255, 255, 255);
    p.glyphInactive = qRgb(170, 170, 170);
    p.glyphDisabled = qRgb(110, 110, 110);
    p.captionHot = qRgb(0, 84, 214);
    p.captionDown = qRgb(0, 40, 120);
    p.closeHot = qRgb(210, 0, 0);

    p.panelLine = qRgb(0, 0, 0);
    p.panelHeaderTop = qRgb(255, 236, 120);
    p.panelHeaderBottom = qRgb(255, 222, 60);
    p.panelFace = qRgb(255, 255, 255);

    p.fieldLine = qRgb(0, 0, 0);
    p.fieldShade = qRgb(150, 150, 150);
    p.fieldFace = qRgb(255, 255, 255);
    p.selectionText = qRgb(255, 255, 255);

    p.buttonLine = qRgb(0, 0, 0);
    p.buttonTop = qRgb(188, 196, 206);
    p.buttonBottom = qRgb(160, 170, 182);
    p.buttonHotTop = qRgb(214, 228, 255);
    p.buttonHotBottom = qRgb(170, 198, 250);
    p.buttonDownTop = qRgb(120, 150, 210);
    p.buttonDownBottom = qRgb(150, 176, 226);
    p.buttonText = qRgb(0, 0, 0);

    p.trackFace = qRgb(208, 208, 208);
    p.trackLine = qRgb(0, 0, 0);

    p.menuFace = qRgb(255, 255, 255);
    p.menuLine = qRgb(0, 0, 0);
    p.menuText = qRgb(0, 0, 0);
    p.menuActiveText = qRgb(255, 255, 255);
    p.menuDisabledText = qRgb(120, 120, 120);
    return p;
}

std::optional<SkinPalette> paletteNamed(const QString& name)
{
    for (const SkinPalette& palette : {graphitePalette(), daylightPalette()})
        if (palette.name.compare(name, Qt::CaseInsensitive) == 0)
            return palette;
    return std::nullopt;
}

} // namespace skingen
