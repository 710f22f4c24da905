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
    p.labelHotText = qRgb(138, 84, 12);
    p.accentLight = qRgb(252, 214, 150);
    p.captionText = qRgb(192, 192, 192);
    p.captionActiveText = qRgb(255, 255, 255);
    p.captionShadow = true;

    p.glyph = qRgb(196, 203, 212);
    p.glyphHot = qRgb(255, 255, 255);
    p.glyphInactive = qRgb(120, 128, 139);
    p.glyphDisabled = qRgb(92, 99, 108);
    p.glyphDown = p.accent;
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
    p.disabledText = qRgb(95, 99, 104);

    p.buttonLine = qRgb(40, 45, 52);
    p.buttonTop = qRgb(190, 199, 209);
    p.buttonBottom = qRgb(158, 169, 182);
    p.buttonHotTop = qRgb(214, 221, 229);
    p.buttonHotBottom = qRgb(180, 190, 202);
    p.buttonDownTop = qRgb(140, 151, 164);
    p.buttonDownBottom = qRgb(168, 178, 190);
    p.buttonText = qRgb(0, 0, 0);
    p.buttonDisabledText = qRgb(58, 63, 71);

    p.trackFace = qRgb(46, 51, 58);
    p.trackLine = qRgb(24, 27, 31);
    p.barLight = p.accentLight;
    p.bar = p.accent;
    p.barDark = p.accentDark;
    p.lampLit = std::nullopt;

    p.menuFace = qRgb(48, 53, 61);
    p.menuLine = qRgb(16, 18, 21);
    p.menuText = qRgb(228, 232, 237);
    p.menuActiveText = qRgb(0, 0, 0);
    p.menuDisabledText = qRgb(162, 170, 181);
    return p;
}

SkinPalette daylightPalette()
{
    // Everything light, every line and text dark: in sunlight a dark frame
    // mirrors the sky and dim text vanishes. Texts stand at least 7 : 1
    // against what they are drawn on, disabled ones at least 4.5 : 1.
    SkinPalette p;
    p.name = QStringLiteral("Daylight");
    p.comment = QStringLiteral("For bright light: light frame and faces, black lines and text, deep blue accent");
    p.frameOuter = qRgb(0, 0, 0);
    p.frameBody = qRgb(206, 212, 220);
    p.frameInner = qRgb(0, 0, 0);
    p.titleTop = qRgb(240, 242, 245);
    p.titleBottom = qRgb(210, 216, 224);
    p.titleHighlight = qRgb(255, 255, 255);
    p.titleActiveTop = qRgb(222, 234, 252);
    p.titleActiveBottom = qRgb(178, 204, 246);
    p.windowBack = qRgb(206, 212, 220);
    p.accent = qRgb(0, 64, 176);
    p.accentDark = qRgb(0, 36, 110);
    p.labelHotText = p.accentDark;
    p.accentLight = qRgb(200, 220, 252);
    p.captionText = qRgb(40, 40, 40);
    p.captionActiveText = qRgb(0, 0, 0);
    p.captionShadow = false;

    p.glyph = qRgb(0, 0, 0);
    p.glyphHot = qRgb(255, 255, 255);
    p.glyphInactive = qRgb(80, 86, 94);
    p.glyphDisabled = qRgb(150, 156, 164);
    p.glyphDown = qRgb(255, 255, 255);
    p.captionHot = qRgb(0, 64, 176);
    p.captionDown = qRgb(0, 36, 110);
    p.closeHot = qRgb(176, 0, 0);

    p.panelLine = qRgb(0, 0, 0);
    p.panelHeaderTop = qRgb(236, 240, 246);
    p.panelHeaderBottom = qRgb(212, 220, 232);
    p.panelFace = qRgb(250, 251, 252);

    p.fieldLine = qRgb(0, 0, 0);
    p.fieldShade = qRgb(150, 150, 150);
    p.fieldFace = qRgb(255, 255, 255);
    p.selectionText = qRgb(255, 255, 255);
    p.disabledText = qRgb(92, 92, 92);

    p.buttonLine = qRgb(0, 0, 0);
    p.buttonTop = qRgb(246, 248, 250);
    p.buttonBottom = qRgb(210, 216, 224);
    p.buttonHotTop = qRgb(234, 242, 255);
    p.buttonHotBottom = qRgb(190, 212, 250);
    p.buttonDownTop = qRgb(160, 184, 228);
    p.buttonDownBottom = qRgb(186, 206, 240);
    p.buttonText = qRgb(0, 0, 0);
    p.buttonDisabledText = qRgb(80, 80, 80);

    p.trackFace = qRgb(255, 255, 255);
    p.trackLine = qRgb(0, 0, 0);
    p.barLight = qRgb(170, 200, 250);
    p.bar = qRgb(120, 166, 240);
    p.barDark = qRgb(100, 152, 230);
    // Pure red on white is only 4 : 1; this red stands 7.4 : 1.
    p.lampLit = qRgb(176, 0, 0);

    p.menuFace = qRgb(255, 255, 255);
    p.menuLine = qRgb(0, 0, 0);
    p.menuText = qRgb(0, 0, 0);
    p.menuActiveText = qRgb(255, 255, 255);
    p.menuDisabledText = qRgb(100, 100, 100);
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
